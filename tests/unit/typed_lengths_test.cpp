// The lengths typed into the TIME page and the long-rest dialog: the planned end time
// follows the system's wall clock, and a rejected length is in force before its message
// box opens, because the box's modal loop keeps the minute timer ticking.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/minutes_entry.h"
#include "dialogs/time_page.h"
#include "tests/support/test_env.h"

namespace {

TEST(PlannedEndTime, FollowsTheWallClockNotTheRuntimesTimeZoneOr2038) {
    resetFake();
    ScopedTimeZone zone("UTC0");
    // The system's local clock says 23:50 while the C runtime, in UTC, would read 09:00,
    // and the date lies past the end of a 32-bit time_t.
    fake().now = localTime(2040, 1, 1, 9, 0);
    fake().clock = platform::ClockTime{23, 50};
    EXPECT_EQ(endTimeLabel(60), "分 - 終了予定時刻 00:50");
    EXPECT_EQ(TimePage::endLabelFor("45"), "分 - 終了予定時刻 00:35");
}

}  // namespace
