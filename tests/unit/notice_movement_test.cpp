// The notice motions and the notice window's shape, against the fake platform.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "notice/movement.h"
#include "notice/notice_window.h"
#include "tests/support/fake_platform.h"

namespace {

int window;  // any distinct handle

// Everything one run of a motion did, construction included, and its steps.
std::vector<std::string> play(uint8_t kind, int width, int height, uint8_t size, uint8_t speed, int& steps) {
    resetFake();
    fake().screenWidth = width;
    fake().screenHeight = height;
    std::unique_ptr<Movement> motion;
    if (kind == MoveTopDown) motion = std::make_unique<MovUd>(&window, size, speed);
    else if (kind == MoveLeftRight) motion = std::make_unique<MovLr>(&window, size, speed);
    else motion = std::make_unique<MovFout>(&window, size, speed);
    steps = 1;  // the last step, which ends the run, counts too
    while (motion->nextFrame() && steps < 100000) ++steps;
    return fake().calls;
}

std::string move(int x, int y, int w, int h, bool repaint = true) {
    char line[96];
    std::snprintf(line, sizeof line, "moveWindow %d,%d %dx%d %s", x, y, w, h, repaint ? "repaint" : "norepaint");
    return line;
}

// Each run ends with the window parked: opacity 0 first, then 5 x 5 at (0, 0), unpainted.
void expectParkedLast(const std::vector<std::string>& calls) {
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], "opacity 0");
    EXPECT_EQ(calls.back(), move(0, 0, 5, 5, false));
}

TEST(NoticeBars, BarSizesStridesAndStepsOnCommonAndTinyScreens) {
    const struct {
        uint8_t kind;
        int width, height;
        uint8_t size, speed;
        int extent, stride, steps;
    } rows[] = {
        // 768 px high: bars of 76, 25 and 12 px; steps of 10, 5 and 2 px.
        {MoveTopDown, 1366, 768, SizeLarge, SpeedFast, 76, 10, 78},
        {MoveTopDown, 1366, 768, SizeMedium, SpeedNormal, 25, 5, 155},
        {MoveTopDown, 1366, 768, SizeSmall, SpeedSlow, 12, 2, 386},
        {MoveTopDown, 1366, 768, SizeLarge, SpeedSlow, 76, 2, 386},
        {MoveTopDown, 1366, 768, SizeSmall, SpeedFast, 12, 10, 78},
        // 1080 px high: 108, 36 and 18 px; 14, 7 and 3 px. The default is 1916 x 36 at x 2.
        {MoveTopDown, 1920, 1080, SizeLarge, SpeedFast, 108, 14, 79},
        {MoveTopDown, 1920, 1080, SizeMedium, SpeedNormal, 36, 7, 156},
        {MoveTopDown, 1920, 1080, SizeSmall, SpeedSlow, 18, 3, 362},
        {MoveTopDown, 1920, 1080, SizeMedium, SpeedFast, 36, 14, 79},
        {MoveTopDown, 1920, 1080, 9, 200, 36, 7, 156},  // unknown codes act as medium and normal
        {MoveLeftRight, 1366, 768, SizeLarge, SpeedFast, 105, 18, 77},
        {MoveLeftRight, 1366, 768, SizeMedium, SpeedNormal, 34, 9, 153},
        {MoveLeftRight, 1366, 768, SizeSmall, SpeedSlow, 17, 4, 343},
        {MoveLeftRight, 1920, 1080, SizeLarge, SpeedFast, 147, 26, 75},
        {MoveLeftRight, 1920, 1080, SizeMedium, SpeedNormal, 48, 13, 149},
        {MoveLeftRight, 1920, 1080, SizeSmall, SpeedSlow, 24, 6, 322},
        // Below the divisor the truncated stride would be 0 and the bar would never move.
        {MoveTopDown, 200, 60, SizeLarge, SpeedSlow, 6, 1, 62},
        {MoveLeftRight, 60, 200, SizeSmall, SpeedFast, 0, 1, 62},
        {MoveTopDown, 0, 0, SizeMedium, SpeedNormal, 0, 1, 2},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.kind) + " " + std::to_string(r.width) + "x" + std::to_string(r.height) +
                     " size " + std::to_string(r.size) + " speed " + std::to_string(r.speed));
        const bool down = r.kind == MoveTopDown;
        const int length = down ? r.height : r.width;
        auto at = [&](int p) { return down ? move(2, p, r.width - 4, r.extent) : move(p, 2, r.extent, r.height - 2); };
        int steps = 0;
        const std::vector<std::string> calls = play(r.kind, r.width, r.height, r.size, r.speed, steps);
        EXPECT_EQ(steps, r.steps);
        ASSERT_GE(calls.size(), 5u);
        EXPECT_EQ(calls[0], at(0));
        EXPECT_EQ(calls[1], "opacity 128");
        EXPECT_EQ(calls[2], "invalidate");
        EXPECT_EQ(calls[3], at(0));
        EXPECT_EQ(calls[4], at(r.stride));
        // The last step draws the bar wholly past the far edge, then the window is parked.
        const int last = (r.steps - 1) * r.stride;
        EXPECT_GT(last, length);
        EXPECT_LE(last - r.stride, length);
        EXPECT_EQ(calls[calls.size() - 3], at(last));
        EXPECT_EQ(fake().count("moveWindow"), r.steps + 2);  // placed, one per step, parked
        expectParkedLast(calls);
    }
}

TEST(NoticeFade, CentredRectangleOpacityRisesPastOneHundredFiftyAndFallsToZero) {
    const struct {
        uint8_t size, speed;
        int width, height;
        std::string rect;
        int stride, peak, steps;
    } rows[] = {
        {SizeLarge, SpeedFast, 1366, 768, move(342, 192, 683, 384), 6, 156, 52},
        {SizeLarge, SpeedNormal, 1366, 768, move(342, 192, 683, 384), 3, 153, 102},
        {SizeLarge, SpeedSlow, 1366, 768, move(342, 192, 683, 384), 2, 152, 152},
        {SizeMedium, SpeedFast, 1366, 768, move(513, 288, 341, 192), 6, 156, 52},
        {SizeSmall, SpeedFast, 1366, 768, move(570, 320, 227, 128), 6, 156, 52},
        {77, SpeedFast, 1920, 1080, move(720, 405, 480, 270), 6, 156, 52},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE("size " + std::to_string(r.size) + " speed " + std::to_string(r.speed));
        int steps = 0;
        const std::vector<std::string> calls = play(MoveFade, r.width, r.height, r.size, r.speed, steps);
        EXPECT_EQ(calls[0], r.rect);
        EXPECT_EQ(steps - 1, r.steps);  // the step that ends the run shows nothing
        // Construction shows 0, then one value per step up to the peak and down to 0, then
        // the parking 0.
        std::vector<std::string> expected = {"opacity 0"};
        for (int a = r.stride; a < r.peak; a += r.stride) expected.push_back("opacity " + std::to_string(a));
        for (int a = r.peak; a >= 0; a -= r.stride) expected.push_back("opacity " + std::to_string(a));
        expected.push_back("opacity 0");
        EXPECT_EQ(fake().starting("opacity"), expected);
        expectParkedLast(calls);
    }
}

TEST(NoticeShape, DiscOfThirtyPixelsAroundThePointerIsCutOutOfTheClientRectangle) {
    const struct {
        int width, height;
        platform::Point pointer;
        bool holed;
        std::vector<std::tuple<int, int, bool>> pixels;  // x, y, in the shape
    } rows[] = {
        {400, 100, {200, 50}, true,
         {{200, 50, false}, {229, 50, false}, {230, 50, true},  // centre 29.5 px and 30.5 px away
          {170, 50, false}, {169, 50, true}, {220, 70, false}, {221, 71, true},  // diagonal: 29, 30.4 px
          {0, 0, true}, {399, 99, true}, {400, 50, false}, {10, -1, false}}},
        {100, 40, {-31, 20}, false, {{0, 20, true}, {99, 20, true}}},  // outside: cuts only what reaches in
        {100, 40, {-10, 20}, true, {{0, 20, false}, {19, 20, false}, {20, 20, true}, {0, 0, false}, {25, 0, true}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.pointer.x) + "," + std::to_string(r.pointer.y));
        const NoticeShape shape = shapeAroundPointer(r.width, r.height, r.pointer);
        EXPECT_EQ(shape.holed, r.holed);
        for (auto [x, y, in] : r.pixels) EXPECT_EQ(shape.contains(x, y), in) << x << "," << y;
    }
}

}  // namespace
