// Today's record across ticks, midnight, restarts and failing writes, with a fake clock; a
// finished day that state.dat cannot take yet (held by another program, a full disk) stays on
// disk until it is there, and a killed run loses none and doubles none.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/data_files.h"
#include "records/log.h"
#include "records/record_files.h"
#include "tests/support/test_env.h"

namespace {

uint32_t stamp(int64_t t) { return static_cast<uint32_t>(t); }
int64_t on(int month, int day, int hour, int minute, int year = 2024) { return localTime(year, month, day, hour, minute); }

class DayLog : public MasterTest {
protected:
    DayLog() { autoStart = false; }
    ScopedTimeZone zone{"Europe/Berlin"};
    void startAt(int64_t t) {
        master.reset();
        fake().now = t;
        start();
    }
    void tickAt(int64_t t) {
        fake().now = t;
        master->tick();
    }
    DayRecord& today() { return master->log->record; }
    void clearFiles() {
        master.reset();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove(entry.path());
    }
    // state.dat as records; fails the test when it is not a whole number of them.
    std::vector<DayRecord> archived() {
        const std::vector<uint8_t> bytes = readBytes("state.dat");
        EXPECT_EQ(bytes.size() % DayRecordSize, 0u) << "state.dat holds a piece of a record";
        std::vector<DayRecord> out;
        for (size_t i = 0; i + DayRecordSize <= bytes.size(); i += DayRecordSize) out.push_back(decodeDayRecord(&bytes[i]));
        return out;
    }
    std::vector<int64_t> archivedStarts() {
        std::vector<int64_t> starts;
        for (const DayRecord& r : archived()) starts.push_back(r.startTime);
        return starts;
    }
    // The process dies: what is on disk now is all the next start finds.
    std::map<std::string, std::vector<uint8_t>> kill() {
        std::map<std::string, std::vector<uint8_t>> disk;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            disk[entry.path().filename().string()] = readBytes(entry.path().filename().string());
        clearFiles();
        for (const auto& [name, bytes] : disk) writeBytes(name, bytes);
        return disk;
    }
    DayRecord saved() {
        const std::vector<uint8_t> bytes = readBytes("stateTmp.dat");
        EXPECT_EQ(bytes.size(), DayRecordSize);
        return bytes.size() == DayRecordSize ? decodeDayRecord(bytes.data()) : emptyDayRecord(0);
    }
};

TEST_F(DayLog, TicksWriteEachPhaseAndSaveOnMultiplesOfFive) {
    startAt(on(6, 1, 10, 2));
    tickAt(on(6, 1, 10, 3));
    EXPECT_FALSE(exists("stateTmp.dat"));  // nothing restored, nothing written yet
    const std::pair<uint8_t, int> phases[] = {{Stopped, MinuteStopped}, {WorkOver, MinuteWorkOver}, {Resting, MinuteResting},
                                              {RestOver, MinuteRestOver}, {9, MinuteNone}};
    int minute = 4;
    for (auto [phase, code] : phases) {
        p().phase = phase;
        tickAt(on(6, 1, 10, minute));
        EXPECT_EQ(today().minutes[at(10, minute++)], code) << int(phase);
    }
    const DayRecord five = saved();  // saved at 10:05, with the minute just written
    EXPECT_EQ(ints(five.minutes[at(10, 3)], five.minutes[at(10, 5)], five.minutes[at(10, 6)], five.startTime),
              ints(MinuteWorking, MinuteWorkOver, MinuteNone, stamp(on(6, 1, 10, 2))));
}

TEST_F(DayLog, AnotherDateArchivesTheDayAtATickOrARestart) {
    startAt(on(6, 1, 23, 50));
    tickAt(on(6, 1, 23, 58));
    tickAt(on(6, 2, 0, 0));
    ASSERT_EQ(archived().size(), 1u);
    const DayRecord day = archived()[0];  // summarized before the append
    EXPECT_EQ(ints(day.startTime, day.minutes[at(23, 58)], day.runCount[MinuteWorking], day.runCount[MinuteNone]),
              ints(stamp(on(6, 1, 23, 50)), MinuteWorking, 1, 2));
    EXPECT_EQ(ints(today().startTime, today().minutes[0], saved().startTime), ints(stamp(on(6, 2, 0, 0)), MinuteWorking, stamp(on(6, 2, 0, 0))));
    tickAt(on(6, 1, 22, 0));  // the clock moved back: a new day as well
    EXPECT_EQ(archived().size(), 2u);
    // Restarts: the same date continues the saved day; any other date, including the same
    // day of another month or year, archives it. Times past 2038 survive.
    const struct {
        int64_t begun, restart;
        bool continues;
    } rows[] = {{on(1, 1, 9, 0, 2040), on(1, 1, 11, 0, 2040), true}, {on(1, 1, 9, 0, 2040), on(1, 3, 8, 0, 2040), false},
                {on(6, 1, 9, 0), on(7, 1, 9, 30), false}, {on(6, 1, 9, 0), on(6, 1, 9, 30, 2025), false}};
    for (const auto& r : rows) {
        clearFiles();
        startAt(r.begun);
        tickAt(r.begun + 60);
        startAt(r.restart);
        EXPECT_EQ(ints(today().startTime, countMinutes(today())[MinuteWorking], archived().size()),
                  ints(stamp(r.continues ? r.begun : r.restart), r.continues, r.continues ? 0 : 1)) << r.restart;
        if (!r.continues && !archived().empty()) {
            EXPECT_EQ(archived()[0].startTime, stamp(r.begun));
        }
        EXPECT_EQ(saved().startTime, today().startTime);
    }
    master->log->compiled->compile();
    EXPECT_EQ(master->log->compiled->dayCount, 366);
    // A saved record too short to be one counts as missing.
    master.reset();
    writeBytes("stateTmp.dat", std::vector<uint8_t>(1000, MinuteResting));
    startAt(on(6, 2, 9, 0));
    EXPECT_EQ(countMinutes(today())[MinuteNone], 1440u);
}

TEST_F(DayLog, RecordsOffWritesNothingButStillConsumesTheSavedRecord) {
    DayRecord left = emptyDayRecord(stamp(on(6, 1, 8, 0)));
    paint(left, at(8, 0), at(8, 9), MinuteResting);
    writeBytes("stateTmp.dat", imagesOf({left}));
    std::vector<uint8_t> param(284, 0);  // records off
    param[272] = 60, param[276] = 5;
    writeBytes("param.dat", param);
    startAt(on(6, 1, 9, 40));
    EXPECT_FALSE(exists("stateTmp.dat"));
    EXPECT_EQ(today().minutes[at(8, 5)], MinuteResting);
    tickAt(on(6, 1, 9, 45));
    tickAt(on(6, 2, 0, 0));
    EXPECT_FALSE(exists("stateTmp.dat") || exists("state.dat"));  // the day is discarded
    p().logOutput = 1;  // switched on: the next save writes the whole record
    tickAt(on(6, 2, 0, 5));
    EXPECT_EQ(ints(saved().minutes[at(0, 0)], saved().minutes[at(0, 5)]), ints(MinuteWorking, MinuteWorking));
}

TEST_F(DayLog, FailingWritesNeverTearOrDuplicateARecord) {
    clearFiles();
    size_t days = 0;  // the append stops after k bytes, into a new state.dat or after whole records
    for (int64_t k : {728, 0, 1455}) {
        startAt(on(6, 1, 9, 0) + k);
        tickAt(on(6, 1, 9, 1));
        datafiles::faults().bytesBeforeWriteFails = k;
        tickAt(on(6, 2, 0, 1));
        datafiles::faults().bytesBeforeWriteFails = -1;
        EXPECT_EQ(archived().size(), days);
        tickAt(on(6, 2, 0, 2));  // retried at the next tick
        ASSERT_EQ(archived().size(), ++days);
        EXPECT_EQ(archived().back().minutes[at(9, 1)], MinuteWorking);
        startAt(on(6, 2, 0, 3));
        EXPECT_EQ(archived().size(), days) << k;
        master.reset();
        std::remove(pathOf("stateTmp.dat").c_str());
    }
    // A failed save of stateTmp.dat leaves the old file whole.
    startAt(on(6, 2, 0, 3));
    tickAt(on(6, 2, 0, 5));
    const std::vector<uint8_t> before = readBytes("stateTmp.dat");
    datafiles::faults().bytesBeforeWriteFails = 1000;
    tickAt(on(6, 2, 0, 10));
    EXPECT_EQ(readBytes("stateTmp.dat"), before);
    datafiles::faults() = {};
    datafiles::faults().renameFails = true;
    tickAt(on(6, 2, 0, 15));
    EXPECT_EQ(readBytes("stateTmp.dat"), before);
    EXPECT_FALSE(exists("stateTmp.dat.new"));
    // Killed between the append and the save: stateTmp.dat still holds the archived day.
    startAt(on(6, 3, 8, 0));
    EXPECT_EQ(archived().size(), 4u);
    master.reset();
    datafiles::faults() = {};
    startAt(on(6, 3, 8, 30));
    EXPECT_EQ(archived().size(), 4u);
    // A torn tail left by a crash is cut before the next append.
    master.reset();
    std::vector<uint8_t> bytes = readBytes("state.dat");
    bytes.resize(bytes.size() + 500, 0x7F);
    writeBytes("state.dat", bytes);
    startAt(on(6, 4, 8, 0));
    ASSERT_EQ(archived().size(), 5u);
    EXPECT_EQ(archived()[4].startTime, stamp(on(6, 3, 8, 30)));
}

TEST_F(DayLog, ExitSavesTheRecordAndTheReportCommandEvaluatesOnce) {
    startAt(on(6, 1, 9, 0));
    tickAt(on(6, 2, 9, 1));
    int opened = 0;
    fake().onDialog = [&](platform::Dialog which) {
        EXPECT_EQ(ints(which == platform::Dialog::Evaluation, master->log->compiled->recordCount), ints(true, 2));
        ++opened;
        master->onCommand(CmdEvaluation);  // already open: neither opens nor recompiles
    };
    master->onCommand(CmdEvaluation);
    EXPECT_EQ(opened, 1);
    tickAt(on(6, 2, 9, 2));
    master.reset();
    EXPECT_EQ(saved().minutes[at(9, 2)], MinuteWorking);
}

TEST_F(DayLog, AWaitingDaySurvivesAKillAndIsArchivedOnceByTheNextStart) {
    const int64_t first = on(6, 1, 9, 0), second = on(6, 2, 0, 1), morning = on(6, 2, 8, 0);
    // Each run ends with state.dat held by another program and yesterday waiting: left by the
    // midnight tick, or by a start that found it in stateTmp.dat.
    for (bool byStart : {false, true}) {
        SCOPED_TRACE(byStart);
        clearFiles();
        startAt(first);
        tickAt(on(6, 1, 9, 1));
        datafiles::faults().unwritable = StateFileName;
        if (byStart) startAt(morning);
        else tickAt(second);
        ASSERT_FALSE(master->log->unarchived.empty());
        auto disk = kill();
        datafiles::faults().unwritable.clear();

        const std::vector<int64_t> days = {first, byStart ? morning : second};  // in state.dat from now on
        startAt(on(6, 3, 9, 0));
        ASSERT_EQ(archivedStarts(), days);
        EXPECT_EQ(archived()[0].minutes[at(9, 1)], MinuteWorking);
        EXPECT_FALSE(exists(recordfiles::WaitingFileName));
        // A waiting file that outlived its append (the run was stopped before removing it).
        master.reset();
        writeBytes(recordfiles::WaitingFileName, disk[recordfiles::WaitingFileName]);
        startAt(on(6, 3, 9, 30));
        EXPECT_EQ(archivedStarts(), days);
    }
}

}  // namespace
