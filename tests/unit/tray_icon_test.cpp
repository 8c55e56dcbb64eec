// The tray icon's picture and tooltip in every phase, at phase starts and after each minute.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "app/icon.h"
#include "tests/support/test_env.h"

namespace {

class TrayIcon : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        master->icon->loadIcons();
    }
    // The fake hands out each picture's resource name as its handle.
    std::string picture() const { return fake().tray.icon ? static_cast<const char*>(fake().tray.icon) : "(none)"; }
    void show(uint8_t phase, int32_t elapsed, int32_t work, int32_t rest, bool phaseStart) {
        p().phase = phase, p().elapsedMinutes = elapsed, p().workMinutes = work, p().currentRestMinutes = rest;
        if (phaseStart) master->icon->showPhase();
        else master->icon->showMinute();
    }
};

TEST_F(TrayIcon, PictureAndTipForEveryPhaseAndLength) {
    struct Row {
        uint8_t phase;
        int32_t elapsed, work, rest;
        const char* picture;
        const char* tip;  // null: not checked
    };
    const std::vector<Row> minutes = {
        {Working, 0, 60, 5, "IDI_RED1", "作業中です。あと60分 [0 / 60分]"},
        {Working, 4, 60, 5, "IDI_RED1", nullptr},
        {Working, 5, 60, 5, "IDI_RED2", nullptr},
        {Working, 59, 60, 5, "IDI_RED12", "作業中です。あと1分 [59 / 60分]"},
        {Working, 6, 7, 5, "IDI_RED11", nullptr},  // 72 / 7 = 10
        {Resting, 0, 60, 5, "IDI_BLUE1", "休憩中です。あと5分 [0 / 5分]"},
        {Resting, 1, 60, 5, "IDI_BLUE3", nullptr},
        {Resting, 2, 60, 5, "IDI_BLUE5", nullptr},
        {Resting, 3, 60, 5, "IDI_BLUE8", nullptr},
        {Resting, 4, 60, 5, "IDI_BLUE10", "休憩中です。あと1分 [4 / 5分]"},
        {WorkOver, 72, 60, 5, "IDI_DRED", "作業終了。12分経過です…"},
        {RestOver, 8, 60, 5, "IDI_GRAY", "休憩終了。3分経過です…"},
        {Stopped, 0, 60, 5, "IDI_GRAY", "停止中です"},
        {Stopped, 5000, 60, 5, "IDI_GRAY", "停止中です"},
        // A length of 0 (accepted by the settings) or below (a damaged param.dat) shows the
        // last picture and divides by nothing; huge counts do not overflow.
        {Working, 0, 0, 5, "IDI_RED12", "作業中です。あと0分 [0 / 0分]"},
        {Working, 3, -20, 5, "IDI_RED12", nullptr},
        {Resting, 0, 60, 0, "IDI_BLUE12", nullptr},
        {Resting, 2, 60, INT32_MIN, "IDI_BLUE12", nullptr},
        {Working, INT32_MAX - 1, INT32_MAX, 5, "IDI_RED12", nullptr},
        {Working, INT32_MAX / 2, INT32_MAX, 5, "IDI_RED6", nullptr},  // 12 x count is beyond 32 bits
        {WorkOver, INT32_MAX, INT32_MIN, 5, "IDI_DRED", "作業終了。4294967295分経過です…"},
        {Working, INT32_MAX, INT32_MIN, 5, "IDI_RED12", "作業中です。あと-4294967295分 [2147483647 / -2147483648分]"},
    };
    // Phase starts have tips of their own ("休憩中。", not "休憩中です。").
    const std::vector<Row> starts = {
        {Working, 0, 45, 5, "IDI_RED1", "作業中です。あと45分 [0 / 45分]"},
        {Resting, 0, 60, 15, "IDI_BLUE1", "休憩中。あと15分 [0 / 15分]"},
        {Stopped, 9, 60, 5, "IDI_GRAY", "停止中です"},
        {WorkOver, 70, 60, 5, "IDI_DRED", "作業終了です"},
        {RestOver, 9, 60, 5, "IDI_GRAY", "休憩終了です"},
    };
    for (bool start : {false, true})
        for (const Row& r : start ? starts : minutes) {
            SCOPED_TRACE(testing::Message() << int(r.phase) << " " << r.elapsed << "/" << r.work << "/" << r.rest
                                            << (start ? " start" : ""));
            fake().tray = {};
            show(r.phase, r.elapsed, r.work, r.rest, start);
            EXPECT_EQ(picture(), r.picture);
            if (r.tip) {
                EXPECT_STREQ(fake().tray.tip, r.tip);
            }
            EXPECT_LT(std::strlen(master->trayData.tip), sizeof master->trayData.tip);
        }

    // An unknown phase changes nothing.
    show(Working, 10, 60, 5, false);
    const int modifies = fake().count("notifyIcon Modify");
    show(9, 20, 60, 5, false);
    EXPECT_EQ(fake().count("notifyIcon Modify"), modifies);
    EXPECT_EQ(picture(), "IDI_RED3");
    EXPECT_STREQ(fake().tray.tip, "作業中です。あと50分 [10 / 60分]");
}

}  // namespace
