// The lengths typed into the TIME page and the long-rest dialog: the planned end time
// follows the system's wall clock, and a rejected length is in force before its message
// box opens, because the box's modal loop keeps the minute timer ticking.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/long_rest.h"
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

class RejectedLength : public MasterTest {};

TEST_F(RejectedLength, IsInForceWhileItsMessageBoxIsOpen) {
    // Each period is left one tick short of the end it would have with the old length.
    const struct {
        const char* what;
        std::function<void(Master&)> before, apply;
        Phase after;  // after one tick inside the box
        int32_t Property::*length;
        int32_t fallback;
    } rows[] = {
        {"work 301 on the TIME page", [](Master& m) { m.property->workMinutes = 25, m.property->elapsedMinutes = 24; },
         [](Master& m) { TimePage::apply(m, "301", "5", true); }, Working, &Property::workMinutes, 60},
        {"rest 999 on the TIME page", [](Master& m) { m.startRest(), m.property->currentRestMinutes = 3, m.tick(), m.tick(); },
         [](Master& m) { TimePage::apply(m, "60", "999", true); }, Resting, &Property::currentRestMinutes, 5},
        {"999 in the long-rest dialog", [](Master& m) { m.startRest(), m.property->currentRestMinutes = 3, m.tick(), m.tick(); },
         [](Master& m) { LongRest::confirm(m, "999"); }, Resting, &Property::currentRestMinutes, 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        master->startWork();
        r.before(*master);
        int boxes = 0;
        fake().onMessageBox = [&](const std::string&) { ++boxes, master->tick(); };
        r.apply(*master);
        fake().onMessageBox = nullptr;
        EXPECT_EQ(ints(boxes, p().phase, p().*r.length), ints(1, r.after, r.fallback));
    }
}

}  // namespace
