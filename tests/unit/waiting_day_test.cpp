// A finished day that state.dat cannot take yet (held by another program, a full disk)
// stays on disk until it is there, and a killed run loses none and doubles none.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/data_files.h"
#include "records/log.h"
#include "records/record_files.h"
#include "tests/unit/records_test_util.h"

namespace {

int64_t on(int month, int day, int hour, int minute) { return localTime(2024, month, day, hour, minute); }

class WaitingDay : public MasterTest {
protected:
    WaitingDay() { autoStart = false; }

    void startAt(int64_t t) {
        fake().now = t;
        start();
    }
    void tickAt(int64_t t) {
        fake().now = t;
        master->tick();
    }
    // The process dies: what is on disk now is all the next start finds.
    std::map<std::string, std::vector<uint8_t>> kill() {
        std::map<std::string, std::vector<uint8_t>> disk;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            disk[entry.path().filename().string()] = readBytes(entry.path().filename().string());
        master.reset();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove(entry.path());
        for (const auto& [name, bytes] : disk) writeBytes(name, bytes);
        return disk;
    }
    std::vector<int64_t> archivedStarts() {
        std::vector<int64_t> starts;
        const std::vector<uint8_t> bytes = readBytes("state.dat");
        for (size_t i = 0; i + DayRecordSize <= bytes.size(); i += DayRecordSize)
            starts.push_back(decodeDayRecord(&bytes[i]).startTime);
        return starts;
    }
};

TEST_F(WaitingDay, SurvivesAKillAndIsArchivedOnceByTheNextStart) {
    const int64_t first = on(6, 1, 9, 0), second = on(6, 2, 0, 1), morning = on(6, 2, 8, 0);
    // Each run ends with state.dat held by another program and yesterday waiting.
    const struct {
        const char* what;
        std::function<void()> run;
        std::vector<int64_t> days;  // in state.dat after the next start on 6/3
    } rows[] = {
        {"the midnight tick",
         [&] {
             datafiles::faults().unwritable = StateFileName;
             tickAt(second);
         },
         {first, second}},
        {"a start that found yesterday in stateTmp.dat",
         [&] {
             master.reset();
             datafiles::faults().unwritable = StateFileName;
             startAt(morning);
         },
         {first, morning}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove(entry.path());
        startAt(first);
        tickAt(on(6, 1, 9, 1));
        r.run();
        ASSERT_FALSE(master->log->unarchived.empty());
        auto disk = kill();
        datafiles::faults().unwritable.clear();

        startAt(on(6, 3, 9, 0));
        ASSERT_EQ(archivedStarts(), r.days);
        EXPECT_EQ(decodeDayRecord(readBytes("state.dat").data()).minutes[at(9, 1)], MinuteWorking);
        EXPECT_FALSE(exists(recordfiles::WaitingFileName));
        // A waiting file that outlived its append (the run was stopped before removing it).
        master.reset();
        writeBytes(recordfiles::WaitingFileName, disk[recordfiles::WaitingFileName]);
        startAt(on(6, 3, 9, 30));
        EXPECT_EQ(archivedStarts(), r.days);
        master.reset();
    }
}

}  // namespace
