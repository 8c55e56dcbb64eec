// The tray icon's picture and tooltip in every phase, and the progress step behind them.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "app/icon.h"
#include "app/master.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

class TrayIcon : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        master->icon->loadIcons();
    }

    // The fake hands out each picture's resource name as its handle.
    std::string picture() const {
        const void* icon = fake().tray.icon;
        return icon ? static_cast<const char*>(icon) : "(none)";
    }
    std::string tip() const { return fake().tray.tip; }

    void set(uint8_t phase, int32_t elapsed, int32_t work = 60, int32_t rest = 5) {
        Property& p = *master->property;
        p.phase = phase;
        p.elapsedMinutes = elapsed;
        p.workMinutes = work;
        p.currentRestMinutes = rest;
    }
    void minute(uint8_t phase, int32_t elapsed, int32_t work = 60, int32_t rest = 5) {
        set(phase, elapsed, work, rest);
        master->icon->showMinute();
    }
};

TEST_F(TrayIcon, WorkingFillsTheFaceAndCountsDown) {
    minute(Working, 0);
    EXPECT_EQ(picture(), "IDI_RED1");
    EXPECT_EQ(tip(), "作業中です。あと60分 [0 / 60分]");
    minute(Working, 59);
    EXPECT_EQ(picture(), "IDI_RED12");
    EXPECT_EQ(master->icon->step, 11);
    EXPECT_EQ(tip(), "作業中です。あと1分 [59 / 60分]");
    minute(Working, 6, 7);
    EXPECT_EQ(picture(), "IDI_RED11");  // 72 / 7 = 10

    // Sixty minutes counted by the tick: picture k+1 during minutes 5k to 5k + 4.
    master->property->workMinutes = 60;
    master->startWork();
    EXPECT_EQ(picture(), "IDI_RED1");
    for (int m = 1; m < 60; ++m) {
        master->tick();
        EXPECT_EQ(picture(), "IDI_RED" + std::to_string(m / 5 + 1)) << m;
    }
}

TEST_F(TrayIcon, RestingEmptiesTheBlueFace) {
    const char* expected[] = {"IDI_BLUE1", "IDI_BLUE3", "IDI_BLUE5", "IDI_BLUE8", "IDI_BLUE10"};
    for (int m = 0; m < 5; ++m) {
        minute(Resting, m, 60, 5);
        EXPECT_EQ(picture(), expected[m]) << m;
    }
    EXPECT_EQ(tip(), "休憩中です。あと1分 [4 / 5分]");
    minute(Resting, 0, 60, 5);
    EXPECT_EQ(tip(), "休憩中です。あと5分 [0 / 5分]");
}

TEST_F(TrayIcon, PhaseStartsUseTheirOwnTips) {
    master->property->workMinutes = 45;
    master->startWork();
    EXPECT_EQ(picture(), "IDI_RED1");
    EXPECT_EQ(tip(), "作業中です。あと45分 [0 / 45分]");

    master->property->restMinutes = 15;
    master->startRest();
    EXPECT_EQ(picture(), "IDI_BLUE1");
    EXPECT_EQ(master->icon->step, 0);
    EXPECT_EQ(tip(), "休憩中。あと15分 [0 / 15分]");  // the per-minute tip says "休憩中です。"

    master->stop();
    EXPECT_EQ(picture(), "IDI_GRAY");
    EXPECT_EQ(tip(), "停止中です");

    set(WorkOver, 70);
    master->icon->showPhase();
    EXPECT_EQ(picture(), "IDI_DRED");
    EXPECT_EQ(tip(), "作業終了です");
    set(RestOver, 9);
    master->icon->showPhase();
    EXPECT_EQ(picture(), "IDI_GRAY");
    EXPECT_EQ(tip(), "休憩終了です");
}

TEST_F(TrayIcon, OverAndStoppedShowHowLongItHasRun) {
    minute(WorkOver, 72);
    EXPECT_EQ(picture(), "IDI_DRED");
    EXPECT_EQ(tip(), "作業終了。12分経過です…");
    minute(RestOver, 8, 60, 5);
    EXPECT_EQ(picture(), "IDI_GRAY");
    EXPECT_EQ(tip(), "休憩終了。3分経過です…");
    for (int32_t elapsed : {0, 7, 5000}) {
        minute(Stopped, elapsed);
        EXPECT_EQ(picture(), "IDI_GRAY");
        EXPECT_EQ(tip(), "停止中です");
        EXPECT_EQ(master->icon->progressStep(), 0);
    }
}

TEST_F(TrayIcon, ZeroAndNegativeLengthsNeitherDivideNorLeaveTheSeries) {
    // The settings accept 0; a damaged param.dat may hold anything. The step stays a
    // valid index and the face is shown full.
    minute(Working, 0, 0);
    EXPECT_EQ(master->icon->step, 11);
    EXPECT_EQ(picture(), "IDI_RED12");
    EXPECT_EQ(tip(), "作業中です。あと0分 [0 / 0分]");
    minute(Working, 3, -20);
    EXPECT_EQ(picture(), "IDI_RED12");
    minute(Resting, 0, 60, 0);
    EXPECT_EQ(picture(), "IDI_BLUE12");
    minute(Resting, 2, 60, INT32_MIN);
    EXPECT_EQ(picture(), "IDI_BLUE12");
    // A huge count against a huge length does not overflow the product.
    minute(Working, INT32_MAX - 1, INT32_MAX);
    EXPECT_EQ(master->icon->step, 11);
    minute(Working, INT32_MAX / 2, INT32_MAX);  // 12 x count is beyond 32 bits
    EXPECT_EQ(master->icon->step, 5);
}

TEST_F(TrayIcon, ExtremeDifferencesPrintTheTrueNumberInsideTheTip) {
    minute(WorkOver, INT32_MAX, INT32_MIN);
    EXPECT_EQ(tip(), "作業終了。4294967295分経過です…");
    minute(Working, INT32_MAX, INT32_MIN, 5);
    EXPECT_EQ(tip(), "作業中です。あと-4294967295分 [2147483647 / -2147483648分]");
    EXPECT_LT(std::strlen(master->trayData.tip), sizeof master->trayData.tip);
}

TEST_F(TrayIcon, AnUnknownPhaseChangesNothing) {
    minute(Working, 10);
    int modifies = fake().count("notifyIcon Modify");
    minute(9, 20);
    EXPECT_EQ(fake().count("notifyIcon Modify"), modifies);
    EXPECT_EQ(picture(), "IDI_RED3");
    EXPECT_EQ(tip(), "作業中です。あと50分 [10 / 60分]");
}

}  // namespace
