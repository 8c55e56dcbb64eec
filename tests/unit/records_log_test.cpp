// Today's record across ticks, midnight, restarts and failing writes, with a fake clock.
#include <gtest/gtest.h>

#include "platform/data_files.h"
#include "records/log.h"
#include "tests/unit/records_test_util.h"

namespace {

uint32_t stamp(int64_t t) { return static_cast<uint32_t>(t); }
// 2024, the month and day given, hh:mm:ss.
int64_t on(int month, int day, int hour, int minute, int second = 0) {
    return localTime(2024, month, day, hour, minute, second);
}

class DayLog : public MasterTest {
protected:
    DayLog() { autoStart = false; }
    ScopedTimeZone zone{"Europe/Berlin"};

    void startAt(int64_t t) {
        fake().now = t;
        start();
    }
    void restartAt(int64_t t) {
        master.reset();
        startAt(t);
    }
    void tickAt(int64_t t) {
        fake().now = t;
        master->tick();
    }
    DayRecord& today() { return master->log->record; }
    // state.dat as records; fails the test when it is not a whole number of them.
    std::vector<DayRecord> archived() {
        const std::vector<uint8_t> bytes = readBytes("state.dat");
        EXPECT_EQ(bytes.size() % DayRecordSize, 0u) << "state.dat holds a piece of a record";
        std::vector<DayRecord> out;
        for (size_t i = 0; i + DayRecordSize <= bytes.size(); i += DayRecordSize) out.push_back(decodeDayRecord(&bytes[i]));
        return out;
    }
    DayRecord saved() {
        const std::vector<uint8_t> bytes = readBytes("stateTmp.dat");
        EXPECT_EQ(bytes.size(), DayRecordSize);
        return bytes.size() == DayRecordSize ? decodeDayRecord(bytes.data()) : emptyDayRecord(0);
    }
};

TEST_F(DayLog, TicksWriteThePhaseAndSaveOnMultiplesOfFive) {
    startAt(on(6, 1, 10, 2, 10));
    EXPECT_FALSE(exists("stateTmp.dat"));  // nothing restored, nothing written yet
    tickAt(on(6, 1, 10, 3, 10));
    EXPECT_EQ(today().minutes[at(10, 3)], MinuteWorking);
    EXPECT_FALSE(exists("stateTmp.dat"));
    master->stop();
    tickAt(on(6, 1, 10, 5, 10));
    const DayRecord five = saved();  // the save includes the minute just written
    EXPECT_EQ(ints(five.minutes[at(10, 3)], five.minutes[at(10, 4)], five.minutes[at(10, 5)], five.startTime),
              ints(MinuteWorking, MinuteNone, MinuteStopped, stamp(on(6, 1, 10, 2, 10))));
    EXPECT_FALSE(exists("stateTmp.dat.new"));

    // Each phase has its code; a phase that does not exist writes nothing.
    const std::pair<uint8_t, int> phases[] = {
        {WorkOver, MinuteWorkOver}, {Resting, MinuteResting}, {RestOver, MinuteRestOver}, {9, MinuteNone}};
    int minute = 6;
    for (auto [phase, code] : phases) {
        p().phase = phase;
        p().elapsedMinutes = 1;
        tickAt(on(6, 1, 10, minute));
        EXPECT_EQ(today().minutes[at(10, minute++)], code) << int(phase);
    }
}

TEST_F(DayLog, FirstTickOfAnotherDateArchivesTheDayAlsoWhenTheClockGoesBack) {
    const int64_t begun = on(6, 1, 23, 50), midnight = on(6, 2, 0, 0, 30);
    startAt(begun);
    tickAt(on(6, 1, 23, 58, 30));
    tickAt(midnight);
    ASSERT_EQ(archived().size(), 1u);
    const DayRecord day = archived()[0];  // summarized before the append
    EXPECT_EQ(ints(day.startTime, day.minutes[at(23, 58)], day.runCount[MinuteWorking], day.meanRun[MinuteWorking],
                   day.runCount[MinuteNone]),
              ints(stamp(begun), MinuteWorking, 1, 1, 2));
    EXPECT_EQ(ints(today().startTime, today().minutes[0], today().minutes[at(23, 58)]),
              ints(stamp(midnight), MinuteWorking, MinuteNone));
    EXPECT_EQ(ints(saved().startTime, saved().minutes[0]), ints(stamp(midnight), MinuteWorking));

    tickAt(on(6, 1, 22, 0));  // the clock moved back: a new day as well
    ASSERT_EQ(archived().size(), 2u);
    EXPECT_EQ(ints(today().startTime, today().minutes[at(22, 0)]), ints(stamp(on(6, 1, 22, 0)), MinuteWorking));
}

// In 2040: start times past 2038 must survive the record, the restart and the archive.
TEST_F(DayLog, RestartContinuesTheSameDayAndArchivesAnEarlierOne) {
    const int64_t begun = localTime(2040, 1, 1, 9, 0), later = localTime(2040, 1, 3, 8, 0);
    ASSERT_GT(begun, int64_t{INT32_MAX});
    startAt(begun);
    tickAt(localTime(2040, 1, 1, 9, 1));
    restartAt(localTime(2040, 1, 1, 11, 0));
    EXPECT_EQ(ints(today().startTime, today().minutes[at(9, 1)]), ints(stamp(begun), MinuteWorking));
    EXPECT_EQ(saved().minutes[at(9, 1)], MinuteWorking);  // rewritten at start-up
    EXPECT_FALSE(exists("state.dat"));

    restartAt(later);
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(ints(archived()[0].startTime, archived()[0].minutes[at(9, 1)]), ints(stamp(begun), MinuteWorking));
    EXPECT_EQ(ints(today().startTime, countMinutes(today())[MinuteNone], saved().startTime),
              ints(stamp(later), 1440, stamp(later)));
    master->log->compiled->compile();
    EXPECT_EQ(master->log->compiled->dayCount, 3);

    // A saved record too short to be one counts as missing.
    master.reset();
    writeBytes("stateTmp.dat", std::vector<uint8_t>(1000, MinuteResting));
    startAt(later + 60);
    EXPECT_EQ(ints(today().startTime, countMinutes(today())[MinuteNone]), ints(stamp(later + 60), 1440));
}

TEST_F(DayLog, RecordsOffWritesNothingButStillConsumesTheSavedRecord) {
    startAt(on(6, 1, 9, 0));
    tickAt(on(6, 1, 9, 1));
    p().logOutput = 0;
    restartAt(on(6, 1, 9, 30));  // the exit saved nothing; param.dat says off
    EXPECT_FALSE(exists("stateTmp.dat"));
    EXPECT_EQ(today().minutes[at(9, 1)], MinuteNone);

    // A record left by an earlier run is read and the file removed.
    DayRecord left = emptyDayRecord(stamp(on(6, 1, 8, 0)));
    paint(left, at(8, 0), at(8, 9), MinuteResting);
    writeBytes("stateTmp.dat", imagesOf({left}));
    restartAt(on(6, 1, 9, 40));
    EXPECT_FALSE(exists("stateTmp.dat"));
    EXPECT_EQ(today().minutes[at(8, 5)], MinuteResting);
    tickAt(on(6, 1, 9, 45));
    EXPECT_FALSE(exists("stateTmp.dat"));
    tickAt(on(6, 2, 0, 0));
    EXPECT_FALSE(exists("state.dat"));  // the day is discarded

    // Switched on in the middle of the day: the next save writes the whole record.
    tickAt(on(6, 2, 0, 1));
    p().logOutput = 1;
    tickAt(on(6, 2, 0, 5));
    EXPECT_EQ(ints(saved().minutes[at(0, 0)], saved().minutes[at(0, 1)]), ints(MinuteWorking, MinuteWorking));
}

TEST_F(DayLog, DaylightSavingChangesKeepOneRecordPerDate) {
    startAt(on(3, 30, 23, 0));
    tickAt(on(3, 31, 1, 59));
    ASSERT_EQ(archived().size(), 1u);
    tickAt(on(3, 31, 3, 0));  // the clocks went from 2:00 to 3:00
    EXPECT_EQ(ints(today().minutes[at(1, 59)], today().minutes[at(3, 0)]), ints(MinuteWorking, MinuteWorking));
    tickAt(on(3, 31, 23, 59));
    EXPECT_EQ(archived().size(), 1u);
    tickAt(on(4, 1, 0, 0));
    EXPECT_EQ(archived().size(), 2u);

    restartAt(on(10, 27, 0, 30));  // the autumn night has 25 hours, still one date
    ASSERT_EQ(archived().size(), 3u);
    tickAt(on(10, 27, 23, 30));
    EXPECT_EQ(archived().size(), 3u);
    master->log->compiled->compile();
    EXPECT_EQ(ints(master->log->compiled->recordCount, master->log->compiled->dayCount), ints(4, 212));
}

// ---- Failing writes and interrupted runs ----

TEST_F(DayLog, AppendFailingPartWayIsRetriedWithoutDuplicates) {
    for (int64_t k : {0, 1, 728, 1455}) {
        SCOPED_TRACE(k);
        std::remove(pathOf("state.dat").c_str());
        std::remove(pathOf("stateTmp.dat").c_str());
        startAt(on(6, 1, 9, 0));
        tickAt(on(6, 1, 9, 1));
        datafiles::faults().bytesBeforeWriteFails = k;
        tickAt(on(6, 2, 0, 1));  // the append stops after k bytes
        datafiles::faults().bytesBeforeWriteFails = -1;
        EXPECT_TRUE(archived().empty());
        EXPECT_EQ(master->log->unarchived.size(), 1u);
        tickAt(on(6, 2, 0, 2));  // retried at the next tick
        ASSERT_EQ(archived().size(), 1u);
        EXPECT_EQ(archived()[0].minutes[at(9, 1)], MinuteWorking);
        EXPECT_TRUE(master->log->unarchived.empty());
        restartAt(on(6, 2, 0, 3));
        EXPECT_EQ(archived().size(), 1u);
        master.reset();
    }
}

TEST_F(DayLog, KillBetweenAppendAndSaveCountsTheDayOnce) {
    const int64_t first = on(6, 1, 9, 0);
    startAt(first);
    tickAt(on(6, 1, 9, 1));
    // The next start archives the day, then cannot replace stateTmp.dat, and dies before
    // any later save: stateTmp.dat still holds the archived day.
    master.reset();
    datafiles::faults().renameFails = true;
    startAt(on(6, 2, 8, 0));
    EXPECT_EQ(archived().size(), 1u);
    master.reset();
    EXPECT_EQ(saved().startTime, stamp(first));
    datafiles::faults().renameFails = false;
    restartAt(on(6, 2, 8, 30));
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(ints(archived()[0].startTime, saved().startTime), ints(stamp(first), stamp(on(6, 2, 8, 30))));
}

TEST_F(DayLog, TornTailIsCutBeforeTheNextAppend) {
    DayRecord old = emptyDayRecord(stamp(on(5, 30, 9, 0)));
    paint(old, 0, 99, MinuteResting);
    summarize(old);
    std::vector<uint8_t> bytes = imagesOf({old});
    bytes.resize(bytes.size() + 500, 0x7F);  // an append that was cut short by a crash
    writeBytes("state.dat", bytes);
    startAt(on(6, 1, 9, 0));
    tickAt(on(6, 2, 0, 0));
    const std::vector<DayRecord> days = archived();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(encodeDayRecord(days[0]), encodeDayRecord(old));
    EXPECT_EQ(days[1].startTime, stamp(on(6, 1, 9, 0)));
}

TEST_F(DayLog, FailedSaveLeavesTheOldFileWhole) {
    startAt(on(6, 1, 9, 0));
    tickAt(on(6, 1, 9, 5));
    const std::vector<uint8_t> before = readBytes("stateTmp.dat");
    ASSERT_EQ(before.size(), DayRecordSize);
    for (int64_t k : {0, 1, 1000, 1455}) {
        datafiles::faults().bytesBeforeWriteFails = k;
        tickAt(on(6, 1, 9, 10));
        datafiles::faults().bytesBeforeWriteFails = -1;
        EXPECT_EQ(readBytes("stateTmp.dat"), before) << "k=" << k;
        EXPECT_FALSE(exists("stateTmp.dat.new"));
    }
    datafiles::faults().renameFails = true;
    tickAt(on(6, 1, 9, 15));
    datafiles::faults().renameFails = false;
    EXPECT_EQ(readBytes("stateTmp.dat"), before);
    tickAt(on(6, 1, 9, 20));
    EXPECT_EQ(saved().minutes[at(9, 15)], MinuteWorking);
}

TEST_F(DayLog, ExitSavesTheRecordAndTheReportCommandEvaluates) {
    startAt(on(6, 1, 9, 0));
    tickAt(on(6, 1, 9, 1));
    tickAt(on(6, 2, 9, 1));
    int evaluatedWith = -1;
    fake().onDialog = [&](platform::Dialog which) {
        if (which == platform::Dialog::Evaluation) evaluatedWith = master->log->compiled->recordCount;
    };
    master->onCommand(CmdEvaluation);
    EXPECT_EQ(evaluatedWith, 2);
    // A second command while the report is open neither opens nor recompiles it.
    fake().onDialog = [&](platform::Dialog) {
        master->log->compiled->recordCount = 77;
        master->onCommand(CmdEvaluation);
        EXPECT_EQ(master->log->compiled->recordCount, 77);
    };
    master->onCommand(CmdEvaluation);
    EXPECT_EQ(fake().count("runDialog"), 2);
    tickAt(on(6, 2, 9, 2));
    master.reset();
    EXPECT_EQ(saved().minutes[at(9, 2)], MinuteWorking);
}

}  // namespace
