// The tray icon's picture and tooltip in every phase, at phase starts and after each minute.
#include <gtest/gtest.h>

#include <climits>

#include "app/icon.h"
#include "tests/support/test_env.h"

namespace {

using TrayIcon = MasterTest;

TEST_F(TrayIcon, PictureAndTipForEveryPhaseAndLength) {
    master->icon->loadIcons();
    const struct {
        bool start;
        uint8_t phase;
        int32_t elapsed, work, rest;
        const char* picture;  // the fake hands out each picture's resource name as its handle
        const char* tip;      // null: not checked
    } rows[] = {
        {false, Working, 4, 60, 5, "IDI_RED1", nullptr},
        {false, Working, 5, 60, 5, "IDI_RED2", nullptr},
        {false, Working, 59, 60, 5, "IDI_RED12", "作業中です。あと1分 [59 / 60分]"},
        {false, Working, 61, 60, 5, "IDI_RED12", nullptr},
        {false, Working, 6, 7, 5, "IDI_RED11", nullptr},  // 72 / 7 = 10
        {false, Resting, 1, 60, 5, "IDI_BLUE3", nullptr},
        {false, Resting, 4, 60, 5, "IDI_BLUE10", "休憩中です。あと1分 [4 / 5分]"},
        {false, WorkOver, 72, 60, 5, "IDI_DRED", "作業終了。12分経過です…"},
        {false, RestOver, 8, 60, 5, "IDI_GRAY", "休憩終了。3分経過です…"},
        {false, Stopped, 5000, 60, 5, "IDI_GRAY", "停止中です"},
        // A length of 0 or below shows the last picture; huge counts do not overflow.
        {false, Working, 0, 0, 5, "IDI_RED12", "作業中です。あと0分 [0 / 0分]"},
        {false, Resting, 2, 60, INT32_MIN, "IDI_BLUE12", nullptr},
        {false, Working, INT32_MAX / 2, INT32_MAX, 5, "IDI_RED6", nullptr},  // 12 x count is beyond 32 bits
        {false, Working, INT32_MAX, INT32_MIN, 5, "IDI_RED12", "作業中です。あと-4294967295分 [2147483647 / -2147483648分]"},
        // Phase starts have tips of their own ("休憩中。", not "休憩中です。").
        {true, Working, 0, 45, 5, "IDI_RED1", "作業中です。あと45分 [0 / 45分]"},
        {true, Resting, 0, 60, 15, "IDI_BLUE1", "休憩中。あと15分 [0 / 15分]"},
        {true, WorkOver, 70, 60, 5, "IDI_DRED", "作業終了です"},
        {true, RestOver, 9, 60, 5, "IDI_GRAY", "休憩終了です"},
        {true, Stopped, 9, 60, 5, "IDI_GRAY", "停止中です"},
        {false, 9, 20, 60, 5, "IDI_GRAY", "停止中です"},  // an unknown phase changes nothing
    };
    for (const auto& r : rows) {
        p().phase = r.phase, p().elapsedMinutes = r.elapsed, p().workMinutes = r.work, p().currentRestMinutes = r.rest;
        if (r.start) master->icon->showPhase();
        else master->icon->showMinute();
        EXPECT_STREQ(static_cast<const char*>(fake().tray.icon), r.picture) << int(r.phase) << " " << r.elapsed;
        if (r.tip) {
            EXPECT_STREQ(fake().tray.tip, r.tip) << int(r.phase) << " " << r.elapsed;
        }
    }
}

}  // namespace
