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
    const struct {
        const char* what;
        std::function<void(Master&)> before;  // leaves the period one tick short of its end
        std::function<void(Master&)> apply;   // an out-of-range length
        Phase after;                          // after the tick inside the box
        int length;                           // the length the period then has
    } rows[] = {
        {"work 301 on the TIME page",
         [](Master& m) {
             m.property->workMinutes = 25;
             for (int i = 0; i < 24; ++i) m.tick();
         },
         [](Master& m) { TimePage::apply(m, "301", "5", true); }, Working, 60},
        {"rest 999 on the TIME page",
         [](Master& m) {
             TimePage::apply(m, "60", "3", true);
             m.startRest();
             m.tick(), m.tick();
         },
         [](Master& m) { TimePage::apply(m, "60", "999", true); }, Resting, 5},
        {"999 in the long-rest dialog",
         [](Master& m) {
             m.startRest();
             m.property->currentRestMinutes = 3;
             m.tick(), m.tick();
         },
         [](Master& m) { LongRest::confirm(m, "999"); }, Resting, 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        master->startWork();
        r.before(*master);
        int boxes = 0;
        fake().onMessageBox = [&](const std::string&) {
            ++boxes;
            master->tick();
        };
        r.apply(*master);
        fake().onMessageBox = nullptr;
        EXPECT_EQ(boxes, 1);
        EXPECT_EQ(p().phase, r.after);
        EXPECT_EQ(r.after == Working ? p().workMinutes : p().currentRestMinutes, r.length);
    }
}

}  // namespace
