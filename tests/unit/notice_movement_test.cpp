// The notice motions and the notice window's shape, against the fake platform.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "notice/movement.h"
#include "notice/notice_window.h"
#include "tests/support/fake_platform.h"

namespace {

int window;  // any distinct handle

struct MotionRun {
    int steps = 0;                 // nextFrame calls that returned true
    std::vector<std::string> calls;  // everything the motion did, construction included
};

template <class Motion>
MotionRun play(int width, int height, uint8_t size, uint8_t speed) {
    resetFake();
    fake().screenWidth = width;
    fake().screenHeight = height;
    Motion motion(&window, size, speed);
    MotionRun run;
    while (motion.nextFrame()) {
        if (++run.steps > 100000) break;  // a run that never ends
    }
    run.calls = fake().calls;
    return run;
}

std::string move(int x, int y, int w, int h, bool repaint = true) {
    char line[96];
    std::snprintf(line, sizeof line, "moveWindow %d,%d %dx%d %s", x, y, w, h, repaint ? "repaint" : "norepaint");
    return line;
}

// Each run ends with the window parked: opacity 0 first, then 5 x 5 at (0, 0), unpainted.
void expectParkedLast(const MotionRun& run) {
    ASSERT_GE(run.calls.size(), 2u);
    EXPECT_EQ(run.calls[run.calls.size() - 2], "opacity 0");
    EXPECT_EQ(run.calls.back(), move(0, 0, 5, 5, false));
}

struct BarCase {
    int width, height;
    uint8_t size, speed;
    int extent, stride, steps;
};

TEST(NoticeBars, TopDownBarSizesStridesAndStepsOnCommonScreens) {
    const BarCase cases[] = {
        // 768 px high: bars of 76, 25 and 12 px; steps of 10, 5 and 2 px.
        {1366, 768, SizeLarge, SpeedFast, 76, 10, 78},
        {1366, 768, SizeMedium, SpeedNormal, 25, 5, 155},
        {1366, 768, SizeSmall, SpeedSlow, 12, 2, 386},
        {1366, 768, SizeLarge, SpeedSlow, 76, 2, 386},
        {1366, 768, SizeSmall, SpeedFast, 12, 10, 78},
        // 1080 px high: 108, 36 and 18 px; 14, 7 and 3 px.
        {1920, 1080, SizeLarge, SpeedFast, 108, 14, 79},
        {1920, 1080, SizeMedium, SpeedNormal, 36, 7, 156},
        {1920, 1080, SizeSmall, SpeedSlow, 18, 3, 362},
        {1920, 1080, SizeMedium, SpeedFast, 36, 14, 79},
        // Codes beyond the table act as medium and normal.
        {1920, 1080, 9, 200, 36, 7, 156},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " size " + std::to_string(c.size) +
                     " speed " + std::to_string(c.speed));
        MotionRun run = play<MovUd>(c.width, c.height, c.size, c.speed);
        EXPECT_EQ(run.steps + 1, c.steps);  // the last step draws the bar past the edge and parks
        ASSERT_GE(run.calls.size(), 4u);
        EXPECT_EQ(run.calls[0], move(2, 0, c.width - 4, c.extent));
        EXPECT_EQ(run.calls[1], "opacity 128");
        EXPECT_EQ(run.calls[2], "invalidate");
        // Steps at 0, stride, 2 x stride, ... with the last wholly beyond the bottom edge.
        EXPECT_EQ(run.calls[3], move(2, 0, c.width - 4, c.extent));
        EXPECT_EQ(run.calls[4], move(2, c.stride, c.width - 4, c.extent));
        int last = (c.steps - 1) * c.stride;
        EXPECT_GT(last, c.height);
        EXPECT_LE(last - c.stride, c.height);
        EXPECT_EQ(run.calls[run.calls.size() - 3], move(2, last, c.width - 4, c.extent));
        expectParkedLast(run);
    }
}

TEST(NoticeBars, DefaultBarOnFullHdIsThirtySixHighAndTakesOneHundredFiftySixSteps) {
    MotionRun run = play<MovUd>(1920, 1080, SizeMedium, SpeedNormal);
    EXPECT_EQ(run.calls[0], move(2, 0, 1916, 36));
    EXPECT_EQ(run.steps + 1, 156);
    EXPECT_EQ(fake().count("moveWindow 2,"), 157);  // the placement and one move per step
}

TEST(NoticeBars, LeftRightBarSizesStridesAndSteps) {
    const BarCase cases[] = {
        {1366, 768, SizeLarge, SpeedFast, 105, 18, 77},
        {1366, 768, SizeMedium, SpeedNormal, 34, 9, 153},
        {1366, 768, SizeSmall, SpeedSlow, 17, 4, 343},
        {1920, 1080, SizeLarge, SpeedFast, 147, 26, 75},
        {1920, 1080, SizeMedium, SpeedNormal, 48, 13, 149},
        {1920, 1080, SizeSmall, SpeedSlow, 24, 6, 322},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " size " + std::to_string(c.size) + " speed " + std::to_string(c.speed));
        MotionRun run = play<MovLr>(c.width, c.height, c.size, c.speed);
        EXPECT_EQ(run.steps + 1, c.steps);
        EXPECT_EQ(run.calls[0], move(0, 2, c.extent, c.height - 2));
        EXPECT_EQ(run.calls[1], "opacity 128");
        EXPECT_EQ(run.calls[4], move(c.stride, 2, c.extent, c.height - 2));
        EXPECT_EQ(run.calls[run.calls.size() - 3], move((c.steps - 1) * c.stride, 2, c.extent, c.height - 2));
        expectParkedLast(run);
    }
}

TEST(NoticeBars, ScreensSmallerThanTheDivisorStillEndTheRun) {
    // 60 px is below 73 and 292: the truncated step would be 0 and the bar would never move.
    MotionRun down = play<MovUd>(200, 60, SizeLarge, SpeedSlow);
    EXPECT_EQ(down.steps + 1, 62);  // 1 px steps
    expectParkedLast(down);
    MotionRun across = play<MovLr>(60, 200, SizeSmall, SpeedFast);
    EXPECT_EQ(across.steps + 1, 62);
    expectParkedLast(across);
    MotionRun none = play<MovUd>(0, 0, SizeMedium, SpeedNormal);
    EXPECT_EQ(none.steps + 1, 2);
}

struct FadeCase {
    uint8_t speed;
    int stride, peak, steps;
};

TEST(NoticeFade, OpacityRisesPastOneHundredFiftyAndFallsToZero) {
    const FadeCase cases[] = {{SpeedFast, 6, 156, 52}, {SpeedNormal, 3, 153, 102}, {SpeedSlow, 2, 152, 152}};
    for (const FadeCase& c : cases) {
        SCOPED_TRACE("speed " + std::to_string(c.speed));
        MotionRun run = play<MovFout>(1366, 768, SizeLarge, c.speed);
        EXPECT_EQ(run.steps, c.steps);
        std::vector<int> shown;
        for (const std::string& call : run.calls)
            if (call.rfind("opacity ", 0) == 0) shown.push_back(std::stoi(call.substr(8)));
        // Construction shows 0, then one value per step, then the parking 0.
        ASSERT_EQ(shown.size(), static_cast<size_t>(c.steps) + 2);
        EXPECT_EQ(shown.front(), 0);
        EXPECT_EQ(shown[shown.size() - 2], 0);  // the last value shown before parking
        std::vector<int> steps(shown.begin() + 1, shown.end() - 1);
        size_t top = 0;
        for (size_t i = 0; i < steps.size(); ++i)
            if (steps[i] > steps[top]) top = i;
        EXPECT_EQ(steps[top], c.peak);
        for (size_t i = 0; i < steps.size(); ++i) {
            int expected = i <= top ? static_cast<int>(i + 1) * c.stride : c.peak - static_cast<int>(i - top) * c.stride;
            ASSERT_EQ(steps[i], expected) << i;
        }
        expectParkedLast(run);
    }
}

TEST(NoticeFade, CentredRectangleCoversHalfAQuarterOrASixth) {
    EXPECT_EQ(play<MovFout>(1366, 768, SizeLarge, SpeedFast).calls[0], move(342, 192, 683, 384));
    EXPECT_EQ(play<MovFout>(1366, 768, SizeMedium, SpeedFast).calls[0], move(513, 288, 341, 192));
    EXPECT_EQ(play<MovFout>(1366, 768, SizeSmall, SpeedFast).calls[0], move(570, 320, 227, 128));
    EXPECT_EQ(play<MovFout>(1920, 1080, 77, SpeedFast).calls[0], move(720, 405, 480, 270));
}

// ---- The window's shape ---------------------------------------------------------------

TEST(NoticeShape, DiscOfThirtyPixelsAroundThePointerIsCutOut) {
    NoticeShape shape = shapeAroundPointer(400, 100, platform::Point{200, 50});
    ASSERT_TRUE(shape.holed);
    EXPECT_FALSE(shape.contains(200, 50));
    EXPECT_FALSE(shape.contains(229, 50));  // centre 29.5 px from the pointer
    EXPECT_TRUE(shape.contains(230, 50));
    EXPECT_FALSE(shape.contains(170, 50));
    EXPECT_TRUE(shape.contains(169, 50));
    EXPECT_FALSE(shape.contains(220, 70));  // diagonal, 29 px away
    EXPECT_TRUE(shape.contains(221, 71));   // 30.4 px away
    EXPECT_TRUE(shape.contains(0, 0));
    EXPECT_TRUE(shape.contains(399, 99));
    EXPECT_FALSE(shape.contains(400, 50));  // outside the client rectangle
    EXPECT_FALSE(shape.contains(10, -1));
}

TEST(NoticeShape, PointerOutsideTheWindowCutsOnlyWhatReachesIn) {
    NoticeShape far = shapeAroundPointer(100, 40, platform::Point{-31, 20});
    EXPECT_FALSE(far.holed);
    for (int x = 0; x < 100; ++x) EXPECT_TRUE(far.contains(x, 20)) << x;

    NoticeShape edge = shapeAroundPointer(100, 40, platform::Point{-10, 20});
    ASSERT_TRUE(edge.holed);
    EXPECT_FALSE(edge.contains(0, 20));
    EXPECT_FALSE(edge.contains(19, 20));
    EXPECT_TRUE(edge.contains(20, 20));
    EXPECT_FALSE(edge.contains(0, 0));  // 22 px from the pointer
    EXPECT_TRUE(edge.contains(25, 0));   // 38 px from it
}

TEST(NoticeShape, ParkingFadesOutBeforeShrinking) {
    resetFake();
    parkNoticeWindow(&window);
    EXPECT_EQ(fake().calls, (std::vector<std::string>{"opacity 0", move(0, 0, 5, 5, false)}));
    NoticeShape parked = fullShape(5, 5);
    EXPECT_FALSE(parked.holed);
    EXPECT_TRUE(parked.contains(4, 4));
    EXPECT_FALSE(parked.contains(5, 4));
}

}  // namespace
