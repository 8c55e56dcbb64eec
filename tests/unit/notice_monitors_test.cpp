// The notice over the primary and a larger monitor at 144 DPI left of and above it: each
// window runs the motion over its own monitor; the run ends once both have parked.
#include <gtest/gtest.h>

#include "notice/movement.h"
#include "notice/notice_screens.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

int second;  // the further monitor's window

class NoticeMonitors : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        fake().monitors = {{0, 0, 1366, 768, 96}, {-1280, -256, 1280, 1024, 144}};
        setExtraNoticeWindows({&second});
    }
    void TearDown() override {
        setExtraNoticeWindows({});
        MasterTest::TearDown();
    }
    // "first move|last repainted move|parked" of one window.
    std::string path(platform::WindowHandle window) {
        std::vector<std::string> moves;
        for (const std::string& c : fake().windowCalls[window])
            if (c.find(" repaint") != std::string::npos) moves.push_back(c.substr(11, c.size() - 19));
        const auto& calls = fake().windowCalls[window];
        const bool parked = calls.size() > 1 && calls[calls.size() - 2] == "opacity 0" &&
                            calls.back() == "moveWindow 0,0 5x5 norepaint";
        return moves.empty() ? "" : moves.front() + "|" + moves.back() + (parked ? "|parked" : "");
    }
};

TEST_F(NoticeMonitors, EachWindowSweepsItsOwnMonitorAndTheRunEndsWhenBothParked) {
    // Medium and normal: bars 1/30 of the height (1/40 of the width), 1/146 of it a step,
    // margins 2 px at 96 DPI and 3 at 144; the fade a centred quarter. Steps of the longer run.
    const struct {
        uint8_t kind;
        const char *primary, *other;
        int sleeps;
    } cases[] = {
        {MoveTopDown, "2,0 1362x25|2,770 1362x25|parked", "-1277,-256 1274x34|-1277,773 1274x34|parked", 154},
        {MoveLeftRight, "0,2 34x766|1368,2 34x766|parked", "-1280,-253 32x1021|8,-253 32x1021|parked", 161},
        {MoveFade, "513,288 341x192|513,288 341x192|parked", "-800,128 320x256|-800,128 320x256|parked", 102},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        fake().calls.clear();
        fake().windowCalls.clear();
        p().moveKind = c.kind;
        master->repeatCount = 1;
        master->startNotice();
        fake().runThreads();
        EXPECT_EQ(path(master->noticeWindow), c.primary);
        EXPECT_EQ(path(&second), c.other);
        // One run, one end: both windows step on the one 50 ms schedule.
        EXPECT_EQ(ints(fake().count("sleep 50"), fake().count("killTimer"), master->animating), ints(c.sleeps, 1, 0));
    }
    // The MOVE page's preview, and any run with the option off, move the primary window only.
    for (bool preview : {true, false}) {
        fake().windowCalls.clear();
        master->options->allMonitors = preview;
        if (preview) master->previewNotice();
        else master->startNotice();
        fake().runThreads();
        EXPECT_NE(path(master->noticeWindow), "");
        EXPECT_EQ(path(&second), "") << preview;
    }
}

}  // namespace
