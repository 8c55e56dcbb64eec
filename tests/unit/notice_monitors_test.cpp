// The notice over two monitors: the primary, and a larger one at 144 DPI left of and above
// it. Each window runs the motion over its own monitor, and the run ends once both parked.
#include <gtest/gtest.h>

#include "notice/movement.h"
#include "notice/notice_screens.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

int second;  // the further monitor's window

struct Case {
    uint8_t kind;
    const char* firstOnPrimary;
    const char* lastOnPrimary;  // the step drawn wholly past the far edge
    const char* firstOnSecond;
    const char* lastOnSecond;
    int sleeps;  // one fewer than the steps of the longer of the two runs
};

class NoticeMonitors : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        fake().monitors = {{0, 0, 1366, 768, 96}, {-1280, -256, 1280, 1024, 144}};
        setExtraNoticeWindows({&second});
        p().moveSize = 1;   // medium
        p().moveSpeed = 1;  // normal
        master->repeatCount = 1;
    }
    void TearDown() override {
        setExtraNoticeWindows({});
        MasterTest::TearDown();
    }
    // The repainted moves of one window, and whether its last two calls park it.
    std::vector<std::string> moves(platform::WindowHandle window, bool& parked) {
        const std::vector<std::string>& calls = fake().windowCalls[window];
        parked = calls.size() >= 2 && calls[calls.size() - 2] == "opacity 0" &&
                 calls.back() == "moveWindow 0,0 5x5 norepaint";
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind("moveWindow", 0) == 0 && c.find(" repaint") != std::string::npos) out.push_back(c);
        return out;
    }
};

TEST_F(NoticeMonitors, EachWindowSweepsItsOwnMonitorAndTheRunEndsWhenBothParked) {
    const Case cases[] = {
        // Bars: 1/30 of the height (1/40 of the width) thick, 1/146 of it a step; the
        // margins are 2 px at 96 DPI and 3 px at 144.
        {MoveTopDown, "moveWindow 2,0 1362x25 repaint", "moveWindow 2,770 1362x25 repaint",
         "moveWindow -1277,-256 1274x34 repaint", "moveWindow -1277,773 1274x34 repaint", 154},
        {MoveLeftRight, "moveWindow 0,2 34x766 repaint", "moveWindow 1368,2 34x766 repaint",
         "moveWindow -1280,-253 32x1021 repaint", "moveWindow 8,-253 32x1021 repaint", 161},
        // The fade: a centred quarter of each monitor, no bar steps.
        {MoveFade, "moveWindow 513,288 341x192 repaint", "moveWindow 513,288 341x192 repaint",
         "moveWindow -800,128 320x256 repaint", "moveWindow -800,128 320x256 repaint", 102},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        fake().calls.clear();
        fake().windowCalls.clear();
        p().moveKind = c.kind;
        master->startNotice();
        fake().runThreads();
        bool primaryParked = false, secondParked = false;
        std::vector<std::string> primary = moves(master->noticeWindow, primaryParked);
        std::vector<std::string> other = moves(&second, secondParked);
        ASSERT_FALSE(primary.empty());
        ASSERT_FALSE(other.empty());
        EXPECT_EQ(primary.front(), c.firstOnPrimary);
        EXPECT_EQ(primary.back(), c.lastOnPrimary);
        EXPECT_EQ(other.front(), c.firstOnSecond);
        EXPECT_EQ(other.back(), c.lastOnSecond);
        EXPECT_TRUE(primaryParked && secondParked);
        // One run, one end: the steps of both windows share the 50 ms schedule.
        EXPECT_EQ(ints(fake().count("sleep 50"), fake().count("killTimer"), master->animating),
                  ints(c.sleeps, 1, 0));
    }

    // The MOVE page's preview, and any run with the option off, move the primary window only.
    for (bool preview : {true, false}) {
        SCOPED_TRACE(preview);
        fake().windowCalls.clear();
        master->options->allMonitors = preview ? 1 : 0;
        if (preview) master->previewNotice();
        else master->startNotice();
        fake().runThreads();
        EXPECT_FALSE(fake().windowCalls[master->noticeWindow].empty());
        EXPECT_TRUE(fake().windowCalls[&second].empty());
    }
}

}  // namespace
