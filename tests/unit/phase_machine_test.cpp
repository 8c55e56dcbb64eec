// The work timer over long runs of ticks and through every user command.
#include <gtest/gtest.h>

#include "app/master.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

struct Event {
    int minute;
    TickEvent event;
    int repeat;
};

class PhaseMachine : public MasterTest {
protected:
    // Ticks n minutes and lists every minute with an event, with the repeat count it set.
    std::vector<Event> run(int n) {
        std::vector<Event> seen;
        for (int i = 0; i < n; ++i) {
            uint8_t phaseBefore = master->property->phase;
            int balloonsBefore = fake().balloons;
            master->repeatCount = 0;
            master->tick();
            TickEvent e = TickNone;
            if (phaseBefore == Working && master->property->phase == WorkOver) e = TickWorkEnd;
            else if (phaseBefore == Resting && master->property->phase == RestOver) e = TickRestEnd;
            else if (phaseBefore == WorkOver && fake().balloons > balloonsBefore) e = TickOverrun;
            else if (master->repeatCount != 0) e = TickReminder;
            if (e != TickNone) seen.push_back({master->property->elapsedMinutes, e, master->repeatCount});
        }
        return seen;
    }
};

TEST_F(PhaseMachine, SixtyFiveWorkedExampleRemindsEndsAndOverruns) {
    std::vector<Event> seen = run(76);
    std::vector<Event> expected;
    for (int m = 5; m <= 45; m += 5) expected.push_back({m, TickReminder, 1});
    expected.push_back({50, TickReminder, 2});
    expected.push_back({55, TickReminder, 3});
    expected.push_back({60, TickWorkEnd, 1});
    for (int m = 65; m <= 75; m += 5) expected.push_back({m, TickOverrun, 3});
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].minute, expected[i].minute) << i;
        EXPECT_EQ(seen[i].event, expected[i].event) << i;
        EXPECT_EQ(seen[i].repeat, expected[i].repeat) << i;
    }
    EXPECT_EQ(master->property->phase, WorkOver);
    EXPECT_EQ(fake().balloonTitle, "15分作業延長中です。。");

    // The click starts a five-minute rest; its end brings a balloon only.
    master->clickThrough();
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(master->balloonPending, 0);
    std::vector<Event> rest = run(6);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].minute, 5);
    EXPECT_EQ(rest[0].event, TickRestEnd);
    EXPECT_EQ(fake().balloonTitle, "休憩終了です");
    master->clickThrough();
    EXPECT_EQ(master->property->phase, Working);
    EXPECT_EQ(master->property->elapsedMinutes, 0);
}

TEST_F(PhaseMachine, TwentyThreeMinuteWorkCountsRepeatsFromTheMinutesLeft) {
    master->property->workMinutes = 23;
    std::vector<Event> seen = run(23);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].repeat, 1);
    EXPECT_EQ(seen[1].repeat, 1);
    EXPECT_EQ(seen[2].minute, 15);
    EXPECT_EQ(seen[2].repeat, 2);
    EXPECT_EQ(seen[3].minute, 20);
    EXPECT_EQ(seen[3].repeat, 3);
    EXPECT_EQ(seen[4].minute, 23);
    EXPECT_EQ(seen[4].event, TickWorkEnd);
}

TEST_F(PhaseMachine, ZeroLengthsEndAtTheFirstTick) {
    master->property->workMinutes = 0;
    master->tick();
    EXPECT_EQ(master->property->phase, WorkOver);
    master->property->restMinutes = 0;
    master->startRest();
    master->tick();
    EXPECT_EQ(master->property->phase, RestOver);
}

TEST_F(PhaseMachine, StoppedCountsNothingButRefreshesTheIcon) {
    ticks(3);
    master->stop();
    int modifies = fake().count("notifyIcon Modify");
    ticks(10);
    EXPECT_EQ(master->property->elapsedMinutes, 3);
    EXPECT_EQ(master->property->advance(), TickStopped);
    EXPECT_EQ(fake().balloons, 0);
    EXPECT_EQ(fake().count("notifyIcon Modify"), modifies + 10);
    EXPECT_STREQ(master->trayData.tip, "停止中です");
    master->startWork();
    EXPECT_EQ(master->property->elapsedMinutes, 0);
}

TEST_F(PhaseMachine, ClickThroughActsOnlyAfterAPhaseEnd) {
    master->balloonPending = 1;
    for (uint8_t phase : {Stopped, Working, Resting}) {
        master->property->phase = phase;
        master->property->elapsedMinutes = 7;
        master->clickThrough();
        EXPECT_EQ(master->property->phase, phase);
        EXPECT_EQ(master->property->elapsedMinutes, 7);
        EXPECT_EQ(master->balloonPending, 1);
    }
    master->property->phase = WorkOver;
    master->clickThrough();
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(master->balloonPending, 0);
}

TEST_F(PhaseMachine, MenuCommandsLeaveTheBalloonPending) {
    master->property->workMinutes = 1;
    master->tick();
    ASSERT_EQ(master->balloonPending, 1);
    master->onCommand(CmdStartRest);
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(master->balloonPending, 1);
    // A tray click in this rest acts as the acknowledgement, and does nothing in Resting.
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(fake().count("runDialog"), 0);
}

TEST_F(PhaseMachine, RaisingWorkDuringOverrunKeepsThePhaseAndNegativeMultiplesCount) {
    master->property->workMinutes = 5;
    ticks(5);
    ASSERT_EQ(master->property->phase, WorkOver);
    master->property->workMinutes = 16;  // overrun shown is now 5 - 16 = -11
    int balloons = fake().balloons;
    ticks(1);  // elapsed 6, overrun -10: a multiple of five
    EXPECT_EQ(master->property->phase, WorkOver);
    EXPECT_EQ(fake().balloons, balloons + 1);
    EXPECT_EQ(fake().balloonTitle, "-10分作業延長中です。。");
    EXPECT_STREQ(master->trayData.tip, "作業終了。-10分経過です…");
}

TEST_F(PhaseMachine, ALongRestSetDuringARestEndsItAtTheNewLength) {
    master->startRest();
    ticks(3);
    master->property->currentRestMinutes = 2;  // already reached: ends at the next tick
    ticks(1);
    EXPECT_EQ(master->property->phase, RestOver);
    master->startRest();
    EXPECT_EQ(master->property->currentRestMinutes, master->property->restMinutes);
}

TEST(Advance, ExtremeStoredLengthsDoNotOverflow) {
    Property p(nullptr);
    p.phase = WorkOver;
    p.workMinutes = INT32_MIN;
    p.elapsedMinutes = 100;
    EXPECT_EQ(p.advance(), TickNone);  // 101 - INT32_MIN = 2147483749, not a multiple of 5
}

}  // namespace
