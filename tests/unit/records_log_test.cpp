// Today's record across ticks, restarts and failing writes, with a fake clock: a finished day that
// state.dat cannot take yet waits until it is there (stateWait.dat), and no day is lost or doubled.
#include <gtest/gtest.h>

#include "platform/data_files.h"
#include "records/log.h"
#include "records/record_files.h"
#include "tests/support/test_env.h"

namespace {

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
    std::vector<DayRecord> records(const char* name) {
        const std::vector<uint8_t> bytes = readBytes(name);
        EXPECT_EQ(bytes.size() % DayRecordSize, 0u) << name << " holds a piece of a record";
        std::vector<DayRecord> out;
        for (size_t i = 0; i + DayRecordSize <= bytes.size(); i += DayRecordSize) out.push_back(decodeDayRecord(&bytes[i]));
        return out;
    }
    std::vector<DayRecord> archived() { return records(StateFileName); }
    DayRecord saved() { return records(TempFileName).at(0); }
};

TEST_F(DayLog, ARestartOnAnotherDateArchivesTheSavedDay) {
    // The same date continues the saved day; any other, the same day of another month or year too, archives it.
    const struct { int64_t begun, restart; bool continues; } rows[] = {
        {on(1, 1, 9, 0, 2040), on(1, 1, 11, 0, 2040), true}, {on(1, 1, 9, 0, 2040), on(1, 3, 8, 0, 2040), false},
        {on(6, 2, 0, 0), on(6, 1, 22, 0), false},  // the clock moved back
        {on(6, 1, 9, 0), on(7, 1, 9, 30), false}, {on(6, 1, 9, 0), on(6, 1, 9, 30, 2025), false}};
    for (const auto& r : rows) {
        master.reset();
        for (const char* name : {StateFileName, TempFileName}) std::remove(pathOf(name).c_str());
        startAt(r.begun);
        tickAt(r.begun + 60);
        startAt(r.restart);
        const std::vector<DayRecord> days = archived();
        EXPECT_EQ(ints(today().startTime, countMinutes(today())[MinuteWorking], days.size(), saved().startTime),
                  ints(r.continues ? r.begun : r.restart, r.continues, !r.continues, today().startTime)) << r.restart;
        EXPECT_EQ(ints(days.empty() ? 0 : days[0].startTime), ints(r.continues ? 0 : r.begun));
    }
    master->onCommand(CmdEvaluation);  // compiled afresh for the report: 1 June 2024 to 1 June 2025
    EXPECT_EQ(master->log->compiled->dayCount, 366);
}

TEST_F(DayLog, TicksSaveOnMultiplesOfFiveAndAtExitUnlessRecordsAreOff) {
    DayRecord left = emptyDayRecord(static_cast<uint32_t>(on(6, 1, 8, 0)));
    paint(left, at(8, 0), at(8, 9), MinuteResting);
    writeBytes("stateTmp.dat", imagesOf({left}));
    std::vector<uint8_t> param(284, 0);  // records off
    param[272] = 60, param[276] = 5;
    writeBytes("param.dat", param);
    startAt(on(6, 1, 9, 40));
    EXPECT_EQ(today().minutes[at(8, 5)], MinuteResting);  // the saved day is taken (and its file gone, below)
    tickAt(on(6, 1, 9, 45));
    master.reset();  // nor is anything written at exit
    EXPECT_FALSE(exists("stateTmp.dat"));
    startAt(on(6, 1, 9, 46));
    tickAt(on(6, 2, 0, 0));
    EXPECT_FALSE(exists("stateTmp.dat") || exists("state.dat"));  // the day is discarded
    p().logOutput = 1;  // switched on: each tick writes its minute, saved on multiples of five and at exit
    tickAt(on(6, 2, 0, 4));
    EXPECT_FALSE(exists("stateTmp.dat"));
    p().phase = WorkOver;
    tickAt(on(6, 2, 0, 5));
    p().phase = Stopped;
    tickAt(on(6, 2, 0, 6));
    const DayRecord five = saved();
    EXPECT_EQ(ints(five.minutes[at(0, 0)], five.minutes[at(0, 5)], five.minutes[at(0, 6)], five.startTime),
              ints(MinuteWorking, MinuteWorkOver, MinuteNone, on(6, 2, 0, 0)));
    master.reset();
    EXPECT_EQ(saved().minutes[at(0, 6)], MinuteStopped);
}

TEST_F(DayLog, FailingWritesNeverTearOrDuplicateARecord) {
    size_t days = 0;  // the midnight append stops after k bytes, into a new state.dat or after whole records
    for (int64_t k : {728, 0, 1455}) {
        master.reset();
        std::remove(pathOf("stateTmp.dat").c_str());
        startAt(on(6, 1, 9, 0) + k);
        tickAt(on(6, 1, 9, 1));
        datafiles::faults().bytesBeforeWriteFails = k;
        tickAt(on(6, 2, 0, 1));
        datafiles::faults().bytesBeforeWriteFails = -1;
        EXPECT_EQ(archived().size(), days);
        tickAt(on(6, 2, 0, 2));  // retried at the next tick
        ASSERT_EQ(archived().size(), ++days);
        const DayRecord day = archived().back();  // summarized before the append
        EXPECT_EQ(ints(day.minutes[at(9, 1)], day.runCount[MinuteWorking], today().minutes[at(0, 1)], today().startTime),
                  ints(MinuteWorking, 1, MinuteWorking, on(6, 2, 0, 1)));
    }
    // Killed between the append and the save: stateTmp.dat still holds the archived day.
    tickAt(on(6, 2, 0, 5));
    datafiles::faults().renameFails = true;
    startAt(on(6, 3, 8, 0));
    EXPECT_EQ(archived().size(), 4u);
    master.reset();
    datafiles::faults() = {};
    // Nor does a waiting file that outlived its append (stopped before removing it) add a day.
    writeBytes(recordfiles::WaitingFileName, imagesOf({archived()[0]}));
    startAt(on(6, 3, 8, 30));
    EXPECT_EQ(archived().size(), 4u);
    // A torn tail left by a crash is cut before the next append.
    master.reset();
    std::vector<uint8_t> bytes = readBytes("state.dat");
    bytes.resize(bytes.size() + 500, 0x7F);
    writeBytes("state.dat", bytes);
    startAt(on(6, 4, 8, 0));
    EXPECT_EQ(ints(archived().size(), archived().at(4).startTime), ints(5, on(6, 3, 8, 30)));
    // A day left waiting by an earlier run is appended at start, so a report opened at once shows it.
    master.reset();
    writeBytes(recordfiles::WaitingFileName, imagesOf({emptyDayRecord(static_cast<uint32_t>(on(6, 3, 23, 0)))}));
    startAt(on(6, 4, 8, 30));
    EXPECT_EQ(ints(archived().size(), archived().at(5).startTime), ints(6, on(6, 3, 23, 0)));
}

}  // namespace
