// Time away from the PC counted as rest: which ticks turn work into a rest begun when the
// person left, and which minutes of the day record that rest takes over.
#include <gtest/gtest.h>

#include "app/menu.h"
#include "records/log.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

constexpr uint32_t Minute = 60000, T = 100 * Minute;
constexpr int64_t NotLocked = -1;

class AwayRest : public MasterTest {};

TEST_F(AwayRest, TickTakesWorkAwayForTheSetMinutesAsRest) {
    struct Row {  // after: phase, elapsed, current rest, repeatCount, balloonPending
        const char* what; uint8_t phase, on; uint32_t now, lastInput; int64_t lockedAt; bool unlocked;
        std::vector<int64_t> after;
    };
    const Row rows[] = {
        {"idle just below", Working, 1, T, T - 5 * Minute + 1, NotLocked, false, ints(Working, 8, 99, 3, 1)},
        {"idle at the threshold", Working, 1, T, T - 5 * Minute, NotLocked, false, ints(Resting, 6, 10, 1, 0)},
        {"locked longer, rest reached", Working, 1, T, T - Minute, T - 12 * Minute, false, ints(RestOver, 13, 10, 1, 1)},
        {"idle longer than locked", Working, 1, T, T - 6 * Minute, T - Minute, false, ints(Resting, 7, 10, 1, 0)},
        {"unlocked again", Working, 1, T, T - Minute, T - 12 * Minute, true, ints(Working, 8, 99, 3, 1)},
        {"across the wrap", Working, 1, 100000, 100000u - 5 * Minute, NotLocked, false, ints(Resting, 6, 10, 1, 0)},
        {"overrun", WorkOver, 1, T, T - 8 * Minute, NotLocked, false, ints(Resting, 9, 10, 1, 0)},
        {"resting", Resting, 1, T, T - 60 * Minute, NotLocked, false, ints(Resting, 8, 99, 3, 1)},
        {"rest over", RestOver, 1, T, T - 60 * Minute, NotLocked, false, ints(RestOver, 8, 99, 3, 1)},
        {"stopped", Stopped, 1, T, T - 60 * Minute, NotLocked, false, ints(Stopped, 7, 99, 3, 1)},
        {"option off", Working, 0, T, T - 60 * Minute, NotLocked, false, ints(Working, 8, 99, 3, 1)},
    };
    master->options->awayMinutes = 5;
    p().restMinutes = 10;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        master->startWork();  // the menu as in work
        fake().input.now = static_cast<uint32_t>(row.lockedAt);
        master->onSessionChange(row.lockedAt == NotLocked ? platform::SessionUnlock : platform::SessionLock);
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
        EXPECT_EQ(fake().menuStates[CmdStartRest], row.after[3] == 1 ? MenuStateGrayed : 0u);
    }
}

TEST_F(AwayRest, RecodesTodaysWorkSinceLeavingButNoArchivedDay) {
    ScopedTimeZone zone{"UTC0"};
    auto tickAt = [&](int day, int minute, int second, uint32_t idle) {
        fake().now = localTime(2030, 3, day, minute < 0 ? 23 : 0, (minute + 60) % 60, second);
        fake().input = {T, T - idle};
        master->tick();
    };
    DayRecord& record = master->log->record;
    record = emptyDayRecord(static_cast<uint32_t>(localTime(2030, 3, 1)));
    record.minutes[0] = record.minutes[1] = MinuteWorking;
    master->options->awayIsRest = 1;
    master->options->awayMinutes = 3;
    tickAt(1, -2, 0, 0);  // 23:58
    tickAt(1, -1, 0, 0);
    // Away since 23:57:30 at the first tick of the next day: yesterday is archived as it
    // was worked, and of today only the ticked minute is a rest, already over (4 of 5 minutes
    // away, and this tick counts the fifth).
    tickAt(2, 1, 30, 4 * Minute);
    const std::vector<uint8_t> archive = readBytes("state.dat");
    ASSERT_EQ(archive.size(), DayRecordSize);
    EXPECT_EQ(ints(archive[0], archive[1], archive[1438], archive[1439]), ints(1, 1, 1, 1));

    master->startWork();
    for (int minute : {2, 3, 4, 6}) tickAt(2, minute, 0, 0);
    tickAt(2, 7, 20, 3 * Minute + 40000);  // away since 00:03:40
    const int8_t* m = record.minutes;
    EXPECT_EQ(ints(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7]), ints(0, 4, 1, 3, 3, 0, 3, 3));
}

}  // namespace
