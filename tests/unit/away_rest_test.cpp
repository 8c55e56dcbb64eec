// Time away from the PC counted as rest: which ticks turn work into a rest begun when the
// person left, and which minutes of the day record that rest takes over.
#include <gtest/gtest.h>

#include "app/menu.h"
#include "records/log.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

constexpr uint32_t Minute = 60000;
constexpr int64_t NotLocked = -1;

class AwayRest : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        master->options->awayIsRest = 1;
        master->options->awayMinutes = 5;
        p().restMinutes = 10;
    }
    void lock(uint32_t at) {
        fake().input.now = at;
        master->onSessionChange(platform::SessionLock);
    }
};

TEST_F(AwayRest, TickTakesWorkAwayForTheSetMinutesAsRest) {
    struct Row {
        const char* what;
        uint8_t phase, on;
        uint32_t now, lastInput;
        int64_t lockedAt;
        bool unlocked;
        std::vector<int64_t> after;  // phase, elapsed, current rest, repeatCount, balloonPending
    };
    const uint32_t t = 100 * Minute;
    const Row rows[] = {
        {"idle just below", Working, 1, t, t - 5 * Minute + 1, NotLocked, false, ints(Working, 8, 99, 3, 1)},
        {"idle at the threshold", Working, 1, t, t - 5 * Minute, NotLocked, false, ints(Resting, 6, 10, 1, 0)},
        {"locked longer than idle, rest already reached", Working, 1, t, t - Minute, t - 12 * Minute, false,
         ints(RestOver, 13, 10, 1, 1)},
        {"idle longer than locked", Working, 1, t, t - 6 * Minute, t - Minute, false, ints(Resting, 7, 10, 1, 0)},
        {"unlocked again", Working, 1, t, t - Minute, t - 12 * Minute, true, ints(Working, 8, 99, 3, 1)},
        {"idle across the wrap", Working, 1, 100000, 100000u - 5 * Minute, NotLocked, false, ints(Resting, 6, 10, 1, 0)},
        {"locked across the wrap", Working, 1, 100000, 100000, 100000u - 7 * Minute, false, ints(Resting, 8, 10, 1, 0)},
        {"overrun", WorkOver, 1, t, t - 8 * Minute, NotLocked, false, ints(Resting, 9, 10, 1, 0)},
        {"resting", Resting, 1, t, t - 60 * Minute, NotLocked, false, ints(Resting, 8, 99, 3, 1)},
        {"rest over", RestOver, 1, t, t - 60 * Minute, NotLocked, false, ints(RestOver, 8, 99, 3, 1)},
        {"stopped", Stopped, 1, t, t - 60 * Minute, NotLocked, false, ints(Stopped, 7, 99, 3, 1)},
        {"option off", Working, 0, t, t - 60 * Minute, NotLocked, false, ints(Working, 8, 99, 3, 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        master->sessionLocked = false;
        if (row.lockedAt != NotLocked) lock(static_cast<uint32_t>(row.lockedAt));
        if (row.unlocked) master->onSessionChange(platform::SessionUnlock);
        fake().input = {row.now, row.lastInput};
        master->options->awayIsRest = row.on;
        p().phase = row.phase;
        p().elapsedMinutes = 7;
        p().currentRestMinutes = 99;
        master->repeatCount = 3;
        master->balloonPending = 1;
        master->tick();
        EXPECT_EQ(ints(p().phase, p().elapsedMinutes, p().currentRestMinutes, master->repeatCount.load(),
                       master->balloonPending),
                  row.after);
        if (row.after[3] == 1) {  // taken as rest: the tray and the menu show it
            EXPECT_EQ(std::string(master->trayData.tip).rfind("休憩", 0), 0u) << master->trayData.tip;
            EXPECT_EQ(fake().menuStates[CmdStartRest], MenuStateGrayed);
        }
    }
}

TEST_F(AwayRest, RecodesTodaysWorkSinceLeavingButNoArchivedDay) {
    ScopedTimeZone zone{"UTC0"};
    auto tickAt = [&](int day, int hour, int minute, int second, uint32_t idle) {
        fake().now = localTime(2030, 3, day, hour, minute, second);
        fake().input = {1000 * Minute, 1000 * Minute - idle};
        master->tick();
    };
    master->log->record = emptyDayRecord(static_cast<uint32_t>(localTime(2030, 3, 1, 0)));
    master->log->record.minutes[0] = master->log->record.minutes[1] = MinuteWorking;
    master->options->awayMinutes = 3;
    tickAt(1, 23, 58, 0, 0);
    tickAt(1, 23, 59, 0, 0);
    // The first tick of the next day finds them away since 23:57:30: yesterday is archived
    // as it was worked, and of today only the ticked minute is a rest.
    tickAt(2, 0, 1, 30, 4 * Minute);
    const std::vector<uint8_t> archive = readBytes("state.dat");
    ASSERT_EQ(archive.size(), DayRecordSize);
    EXPECT_EQ(ints(archive[0], archive[1], archive[1438], archive[1439]), ints(1, 1, 1, 1));

    master->startWork();
    for (int minute : {2, 3, 4, 6}) tickAt(2, 0, minute, 0, 0);
    tickAt(2, 0, 7, 20, 3 * Minute + 40000);  // left at 00:03:40
    const int8_t* m = master->log->record.minutes;
    EXPECT_EQ(ints(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]),
              ints(MinuteNone, MinuteResting, MinuteWorking, MinuteResting, MinuteResting, MinuteNone, MinuteResting,
                   MinuteResting));
}

}  // namespace
