// Today's record across ticks, midnight, restarts and failing writes, with a fake clock.
#include <gtest/gtest.h>

#include <vector>

#include "app/data_files.h"
#include "records/log.h"
#include "tests/support/test_env.h"
#include "tests/unit/records_test_util.h"
#include "timer/property.h"

namespace {

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
        theMaster = nullptr;
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
        for (size_t at = 0; at + DayRecordSize <= bytes.size(); at += DayRecordSize) out.push_back(decodeDayRecord(&bytes[at]));
        return out;
    }
    DayRecord saved() {
        const std::vector<uint8_t> bytes = readBytes("stateTmp.dat");
        EXPECT_EQ(bytes.size(), DayRecordSize);
        return bytes.size() == DayRecordSize ? decodeDayRecord(bytes.data()) : emptyDayRecord(0);
    }
};

TEST_F(DayLog, TicksWriteThePhaseAndSaveOnMultiplesOfFive) {
    startAt(localTime(2024, 6, 1, 10, 2, 10));
    EXPECT_FALSE(exists("stateTmp.dat"));  // nothing restored, nothing written yet
    tickAt(localTime(2024, 6, 1, 10, 3, 10));
    EXPECT_EQ(today().minutes[at(10, 3)], MinuteWorking);
    EXPECT_FALSE(exists("stateTmp.dat"));
    master->stop();
    tickAt(localTime(2024, 6, 1, 10, 5, 10));
    EXPECT_EQ(today().minutes[at(10, 5)], MinuteStopped);
    EXPECT_EQ(saved().minutes[at(10, 5)], MinuteStopped);  // the save includes the minute just written
    EXPECT_EQ(saved().minutes[at(10, 3)], MinuteWorking);
    EXPECT_EQ(today().minutes[at(10, 4)], MinuteNone);
    EXPECT_EQ(saved().startTime, static_cast<uint32_t>(localTime(2024, 6, 1, 10, 2, 10)));
    EXPECT_FALSE(exists("stateTmp.dat.new"));
}

TEST_F(DayLog, FirstTickAfterMidnightArchivesTheDay) {
    const int64_t begun = localTime(2024, 6, 1, 23, 50);
    startAt(begun);
    tickAt(localTime(2024, 6, 1, 23, 58, 30));
    const int64_t midnight = localTime(2024, 6, 2, 0, 0, 30);
    tickAt(midnight);

    const std::vector<DayRecord> days = archived();
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].startTime, static_cast<uint32_t>(begun));
    EXPECT_EQ(days[0].minutes[at(23, 58)], MinuteWorking);
    EXPECT_EQ(days[0].runCount[MinuteWorking], 1);  // summarized before the append
    EXPECT_EQ(days[0].meanRun[MinuteWorking], 1);
    EXPECT_EQ(days[0].runCount[MinuteNone], 2);

    EXPECT_EQ(today().startTime, static_cast<uint32_t>(midnight));
    EXPECT_EQ(today().minutes[0], MinuteWorking);
    EXPECT_EQ(today().minutes[at(23, 58)], MinuteNone);
    EXPECT_EQ(saved().startTime, static_cast<uint32_t>(midnight));
    EXPECT_EQ(saved().minutes[0], MinuteWorking);
}

TEST_F(DayLog, RestartOnTheSameDayContinuesTheRecord) {
    const int64_t begun = localTime(2024, 6, 1, 9, 0);
    startAt(begun);
    tickAt(localTime(2024, 6, 1, 9, 1));
    restartAt(localTime(2024, 6, 1, 11, 0));
    EXPECT_EQ(today().startTime, static_cast<uint32_t>(begun));
    EXPECT_EQ(today().minutes[at(9, 1)], MinuteWorking);
    EXPECT_EQ(saved().minutes[at(9, 1)], MinuteWorking);  // rewritten at start-up
    EXPECT_FALSE(exists("state.dat"));
}

TEST_F(DayLog, RestartOnALaterDayArchivesTheSavedDay) {
    const int64_t begun = localTime(2024, 6, 1, 9, 0);
    startAt(begun);
    tickAt(localTime(2024, 6, 1, 9, 1));
    const int64_t later = localTime(2024, 6, 3, 8, 0);
    restartAt(later);
    const std::vector<DayRecord> days = archived();
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].startTime, static_cast<uint32_t>(begun));
    EXPECT_EQ(days[0].minutes[at(9, 1)], MinuteWorking);
    EXPECT_EQ(today().startTime, static_cast<uint32_t>(later));
    EXPECT_EQ(countMinutes(today())[MinuteNone], 1440u);
    EXPECT_EQ(saved().startTime, static_cast<uint32_t>(later));
}

TEST_F(DayLog, RecordsOffWritesNothingButStillConsumesTheSavedRecord) {
    startAt(localTime(2024, 6, 1, 9, 0));
    tickAt(localTime(2024, 6, 1, 9, 1));
    master->property->logOutput = 0;
    restartAt(localTime(2024, 6, 1, 9, 30));  // the exit saved nothing; param.dat says off
    EXPECT_FALSE(exists("stateTmp.dat"));
    EXPECT_EQ(today().minutes[at(9, 1)], MinuteNone);  // nothing was ever saved

    // A record left by an earlier run is read and the file removed.
    DayRecord left = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 8, 0)));
    paint(left, at(8, 0), at(8, 9), MinuteResting);
    writeBytes("stateTmp.dat", imagesOf({left}));
    restartAt(localTime(2024, 6, 1, 9, 40));
    EXPECT_FALSE(exists("stateTmp.dat"));
    EXPECT_EQ(today().minutes[at(8, 5)], MinuteResting);
    tickAt(localTime(2024, 6, 1, 9, 45));
    EXPECT_FALSE(exists("stateTmp.dat"));
    tickAt(localTime(2024, 6, 2, 0, 0));
    EXPECT_FALSE(exists("state.dat"));  // the day is discarded

    // Switched on in the middle of the day: the next save writes the whole record.
    tickAt(localTime(2024, 6, 2, 0, 1));
    master->property->logOutput = 1;
    tickAt(localTime(2024, 6, 2, 0, 5));
    EXPECT_EQ(saved().minutes[at(0, 0)], MinuteWorking);
    EXPECT_EQ(saved().minutes[at(0, 1)], MinuteWorking);
}

TEST_F(DayLog, ClockMovingBackCountsAsANewDay) {
    startAt(localTime(2024, 6, 2, 10, 0));
    tickAt(localTime(2024, 6, 2, 10, 1));
    tickAt(localTime(2024, 6, 1, 22, 0));
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(today().startTime, static_cast<uint32_t>(localTime(2024, 6, 1, 22, 0)));
    EXPECT_EQ(today().minutes[at(22, 0)], MinuteWorking);
}

TEST_F(DayLog, DaylightSavingChangesKeepOneRecordPerDate) {
    startAt(localTime(2024, 3, 30, 23, 0));
    tickAt(localTime(2024, 3, 31, 1, 59));
    ASSERT_EQ(archived().size(), 1u);
    tickAt(localTime(2024, 3, 31, 3, 0));  // the clocks went from 2:00 to 3:00
    EXPECT_EQ(today().minutes[at(3, 0)], MinuteWorking);
    EXPECT_EQ(today().minutes[at(1, 59)], MinuteWorking);
    tickAt(localTime(2024, 3, 31, 23, 59));
    EXPECT_EQ(archived().size(), 1u);
    tickAt(localTime(2024, 4, 1, 0, 0));
    EXPECT_EQ(archived().size(), 2u);

    // The autumn night has 25 hours, still one date.
    restartAt(localTime(2024, 10, 27, 0, 30));
    ASSERT_EQ(archived().size(), 3u);
    tickAt(localTime(2024, 10, 27, 23, 30));
    EXPECT_EQ(archived().size(), 3u);

    master->log->compiled->compile();
    EXPECT_EQ(master->log->compiled->recordCount, 4);
    EXPECT_EQ(master->log->compiled->dayCount, 212);  // 30 March to 27 October
}

TEST_F(DayLog, TimesAfter2038FitTheRecord) {
    const int64_t begun = localTime(2040, 1, 1, 10, 0);
    ASSERT_GT(begun, int64_t{INT32_MAX});
    startAt(begun);
    tickAt(localTime(2040, 1, 1, 10, 1));
    restartAt(localTime(2040, 1, 1, 12, 0));
    EXPECT_EQ(today().startTime, static_cast<uint32_t>(begun));
    EXPECT_EQ(today().minutes[at(10, 1)], MinuteWorking);
    tickAt(localTime(2040, 1, 2, 0, 0));
    ASSERT_EQ(archived().size(), 1u);
    EXPECT_EQ(archived()[0].startTime, static_cast<uint32_t>(begun));
    master->log->compiled->compile();
    EXPECT_EQ(master->log->compiled->dayCount, 2);
}

TEST_F(DayLog, ShortSavedRecordCountsAsMissing) {
    writeBytes("stateTmp.dat", std::vector<uint8_t>(1000, MinuteResting));
    const int64_t t = localTime(2024, 6, 1, 9, 0);
    startAt(t);
    EXPECT_EQ(today().startTime, static_cast<uint32_t>(t));
    EXPECT_EQ(countMinutes(today())[MinuteNone], 1440u);
}

// ---- Failing writes and interrupted runs ----

TEST_F(DayLog, AppendFailingPartWayIsRetriedWithoutDuplicates) {
    for (int64_t k : {0, 1, 728, 1455}) {
        SCOPED_TRACE(k);
        std::remove(pathOf("state.dat").c_str());
        std::remove(pathOf("stateTmp.dat").c_str());
        startAt(localTime(2024, 6, 1, 9, 0));
        tickAt(localTime(2024, 6, 1, 9, 1));
        datafiles::faults().bytesBeforeWriteFails = k;
        tickAt(localTime(2024, 6, 2, 0, 1));  // the append stops after k bytes
        datafiles::faults().bytesBeforeWriteFails = -1;
        EXPECT_TRUE(archived().empty());
        EXPECT_EQ(master->log->unarchived.size(), 1u);
        tickAt(localTime(2024, 6, 2, 0, 2));  // retried at the next tick
        ASSERT_EQ(archived().size(), 1u);
        EXPECT_EQ(archived()[0].minutes[at(9, 1)], MinuteWorking);
        EXPECT_TRUE(master->log->unarchived.empty());
        restartAt(localTime(2024, 6, 2, 0, 3));
        EXPECT_EQ(archived().size(), 1u);
        master.reset();
    }
}

TEST_F(DayLog, KillBetweenAppendAndSaveCountsTheDayOnce) {
    const int64_t first = localTime(2024, 6, 1, 9, 0);
    startAt(first);
    tickAt(localTime(2024, 6, 1, 9, 1));
    // The next start archives the day, then cannot replace stateTmp.dat, and dies before
    // any later save: stateTmp.dat still holds the archived day.
    master.reset();
    datafiles::faults().renameFails = true;
    startAt(localTime(2024, 6, 2, 8, 0));
    EXPECT_EQ(archived().size(), 1u);
    master.reset();
    EXPECT_EQ(saved().startTime, static_cast<uint32_t>(first));
    datafiles::faults().renameFails = false;
    restartAt(localTime(2024, 6, 2, 8, 30));
    const std::vector<DayRecord> days = archived();
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].startTime, static_cast<uint32_t>(first));
    EXPECT_EQ(saved().startTime, static_cast<uint32_t>(localTime(2024, 6, 2, 8, 30)));
}

TEST_F(DayLog, TornTailIsCutBeforeTheNextAppend) {
    DayRecord old = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 5, 30, 9, 0)));
    paint(old, 0, 99, MinuteResting);
    summarize(old);
    std::vector<uint8_t> bytes = imagesOf({old});
    bytes.resize(bytes.size() + 500, 0x7F);  // an append that was cut short by a crash
    writeBytes("state.dat", bytes);
    startAt(localTime(2024, 6, 1, 9, 0));
    tickAt(localTime(2024, 6, 2, 0, 0));
    const std::vector<DayRecord> days = archived();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(encodeDayRecord(days[0]), encodeDayRecord(old));
    EXPECT_EQ(days[1].startTime, static_cast<uint32_t>(localTime(2024, 6, 1, 9, 0)));
}

TEST_F(DayLog, FailedSaveLeavesTheOldFileWhole) {
    startAt(localTime(2024, 6, 1, 9, 0));
    tickAt(localTime(2024, 6, 1, 9, 5));
    const std::vector<uint8_t> before = readBytes("stateTmp.dat");
    ASSERT_EQ(before.size(), DayRecordSize);
    for (int64_t k : {0, 1, 1000, 1455}) {
        datafiles::faults().bytesBeforeWriteFails = k;
        tickAt(localTime(2024, 6, 1, 9, 10));
        datafiles::faults().bytesBeforeWriteFails = -1;
        EXPECT_EQ(readBytes("stateTmp.dat"), before) << "k=" << k;
        EXPECT_FALSE(exists("stateTmp.dat.new"));
    }
    datafiles::faults().renameFails = true;
    tickAt(localTime(2024, 6, 1, 9, 15));
    datafiles::faults().renameFails = false;
    EXPECT_EQ(readBytes("stateTmp.dat"), before);
    tickAt(localTime(2024, 6, 1, 9, 20));
    EXPECT_EQ(saved().minutes[at(9, 15)], MinuteWorking);
}

TEST_F(DayLog, ExitSavesTheRecordAndTheReportCommandEvaluates) {
    startAt(localTime(2024, 6, 1, 9, 0));
    tickAt(localTime(2024, 6, 1, 9, 1));
    tickAt(localTime(2024, 6, 2, 9, 1));
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
    tickAt(localTime(2024, 6, 2, 9, 2));
    master.reset();
    EXPECT_EQ(saved().minutes[at(9, 2)], MinuteWorking);
}

}  // namespace
