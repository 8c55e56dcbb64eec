// Today's record across ticks, restarts and failing writes, with a fake clock: a finished day that
// state.dat cannot take yet waits until it is there (stateWait.dat), and no day is lost or doubled.
#include <gtest/gtest.h>

#include "platform/data_files.h"
#include "records/log.h"
#include "records/record_files.h"
#include "tests/support/test_env.h"

namespace {

int64_t on(int month, int day, int hour, int minute, int year = 2024) { return localTime(year, month, day, hour, minute); }

// A finished day as the program keeps it: an hour of work from 09:00, summarized.
DayRecord day(int64_t start) {
    DayRecord d = emptyDayRecord(static_cast<uint32_t>(start));
    paint(d, at(9, 0), at(9, 59), MinuteWorking);
    summarize(d);
    return d;
}

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
    startAt(on(6, 3, 8, 30));
    // A torn tail left by a crash is cut before the next append.
    master.reset();
    std::vector<uint8_t> bytes = readBytes("state.dat");
    bytes.resize(bytes.size() + 500, 0x7F);
    writeBytes("state.dat", bytes);
    startAt(on(6, 4, 8, 0));
    EXPECT_EQ(ints(archived().size(), archived().at(4).startTime), ints(5, on(6, 3, 8, 30)));
}

// state.dat keeps whatever is appended for good: a waiting file is taken only when it plainly holds
// days this program wrote, and is otherwise set aside, every earlier one kept.
TEST_F(DayLog, AWaitingFileIsAppendedOnlyWhenItHoldsPlainDaysAndIsSetAsideOtherwise) {
    const DayRecord june1 = day(on(6, 1, 8, 0)), june2 = day(on(6, 2, 8, 0)), june3 = day(on(6, 3, 8, 0));
    DayRecord badMinute = june2, unsummarized = june2;
    badMinute.minutes[at(9, 0)] = 6;
    unsummarized.runCount[MinuteWorking] = 0;
    std::vector<uint8_t> text(3000, 'x');
    std::vector<DayRecord> tooMany;  // plain days but for their number
    for (int k = 1; k <= static_cast<int>(recordfiles::MaxWaitingDays) + 1; ++k) tooMany.push_back(day(june1.startTime + k));
    const std::vector<std::pair<std::vector<uint8_t>, bool>> rows = {  // the file, whether it is taken
        {text, false},  // and not whole records
        {std::vector<uint8_t>(text.begin(), text.begin() + 2 * DayRecordSize), false},
        {std::vector<uint8_t>(DayRecordSize, 0), false},  // zeros from a power cut: a day of 1970
        {imagesOf({june2, badMinute}), false},
        {imagesOf({unsummarized}), false},
        {imagesOf({day(on(6, 4, 9, 0))}), false},  // begun after now
        {imagesOf({day(on(5, 31, 8, 0))}), false},  // before the last day of state.dat
        {imagesOf({june3, june2}), false},
        {imagesOf(tooMany), false},
        {imagesOf({june1, june2, june3}), true},  // June 1 is there already
    };
    size_t setAside = 0;
    for (size_t row = 0; row < rows.size(); ++row) {
        const auto& [bytes, taken] = rows[row];
        master.reset();
        writeBytes(StateFileName, imagesOf({june1}));
        writeBytes(recordfiles::WaitingFileName, bytes);
        startAt(on(6, 4, 8, 30));
        EXPECT_EQ(readBytes(StateFileName), taken ? imagesOf({june1, june2, june3}) : imagesOf({june1})) << row;
        EXPECT_FALSE(exists(recordfiles::WaitingFileName));
        if (taken) continue;
        const std::string aside = std::string(recordfiles::SetAsideFileName) + (setAside ? std::to_string(setAside) : "");
        EXPECT_EQ(readBytes(aside), bytes) << aside;
        ++setAside;
    }
    // A file whose every day is in state.dat is removed, so clearing state.dat later cannot bring them back.
    master.reset();
    writeBytes(recordfiles::WaitingFileName, imagesOf({june2}));
    startAt(on(6, 4, 9, 0));
    EXPECT_FALSE(exists(recordfiles::WaitingFileName));
    EXPECT_EQ(archived().size(), 3u);
}

}  // namespace
