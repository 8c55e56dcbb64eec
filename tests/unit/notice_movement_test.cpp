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
    fake().screenWidth = width, fake().screenHeight = height;
    std::unique_ptr<Movement> motion;
    if (kind == MoveTopDown) motion = std::make_unique<MovUd>(&window, size, speed);
    else if (kind == MoveLeftRight) motion = std::make_unique<MovLr>(&window, size, speed);
    else motion = std::make_unique<MovFout>(&window, size, speed);
    for (steps = 1; motion->nextFrame() && steps < 100000;) ++steps;  // the step that ends the run counts
    // Each run ends with the window parked: opacity 0 first, then 5 x 5 at (0, 0), unpainted.
    const auto& calls = fake().calls;
    EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()), (std::vector<std::string>{"opacity 0", "moveWindow 0,0 5x5 norepaint"}));
    return calls;
}

std::string move(int x, int y, int w, int h) {
    char line[96];
    std::snprintf(line, sizeof line, "moveWindow %d,%d %dx%d repaint", x, y, w, h);
    return line;
}

TEST(NoticeBars, BarSizesStridesAndStepsOnCommonAndTinyScreens) {
    const struct {
        uint8_t kind;
        int width, height;
        uint8_t size, speed;
        int extent, stride, steps;
    } rows[] = {
        {MoveTopDown, 1366, 768, SizeLarge, SpeedFast, 76, 10, 78},
        {MoveTopDown, 1366, 768, SizeMedium, SpeedNormal, 25, 5, 155},
        {MoveTopDown, 1366, 768, SizeSmall, SpeedSlow, 12, 2, 386},
        {MoveTopDown, 1920, 1080, 9, 200, 36, 7, 156},  // unknown codes act as medium and normal
        {MoveLeftRight, 1366, 768, SizeLarge, SpeedFast, 105, 18, 77},
        {MoveLeftRight, 1366, 768, SizeMedium, SpeedNormal, 34, 9, 153},
        {MoveLeftRight, 1920, 1080, SizeSmall, SpeedSlow, 24, 6, 322},
        // Below the divisor the truncated stride would be 0 and the bar would never move.
        {MoveTopDown, 200, 60, SizeLarge, SpeedSlow, 6, 1, 62},
        {MoveLeftRight, 60, 200, SizeSmall, SpeedFast, 0, 1, 62},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.kind) + " " + std::to_string(r.width) + " size " + std::to_string(r.size));
        const bool down = r.kind == MoveTopDown;
        auto at = [&](int p) { return down ? move(2, p, r.width - 4, r.extent) : move(p, 2, r.extent, r.height - 2); };
        int steps = 0;
        const std::vector<std::string> calls = play(r.kind, r.width, r.height, r.size, r.speed, steps);
        EXPECT_EQ(steps, r.steps);
        EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 5), (std::vector<std::string>{at(0), "opacity 128", "invalidate", at(0), at(r.stride)}));
        // The last step draws the bar wholly past the far edge, then the window is parked.
        EXPECT_EQ(calls[calls.size() - 3], at((r.steps - 1) * r.stride));
        EXPECT_LE((r.steps - 2) * r.stride, down ? r.height : r.width);
    }
}

TEST(NoticeFade, CentredRectangleOpacityRisesPastOneHundredFiftyAndFallsToZero) {
    const struct {
        uint8_t size, speed;
        int width, height;
        std::string rect;
        int stride, peak;
    } rows[] = {
        {SizeLarge, SpeedFast, 1366, 768, move(342, 192, 683, 384), 6, 156},
        {SizeMedium, SpeedNormal, 1366, 768, move(513, 288, 341, 192), 3, 153},
        {SizeSmall, SpeedSlow, 1366, 768, move(570, 320, 227, 128), 2, 152},
        {77, SpeedFast, 1920, 1080, move(720, 405, 480, 270), 6, 156},
    };
    for (const auto& r : rows) {
        int steps = 0;
        EXPECT_EQ(play(MoveFade, r.width, r.height, r.size, r.speed, steps)[0], r.rect);
        // Construction shows 0, then one value per step up to the peak and down to 0, then
        // the parking 0.
        std::vector<std::string> expected = {"opacity 0"};
        for (int a = r.stride; a < r.peak; a += r.stride) expected.push_back("opacity " + std::to_string(a));
        for (int a = r.peak; a >= 0; a -= r.stride) expected.push_back("opacity " + std::to_string(a));
        expected.push_back("opacity 0");
        EXPECT_EQ(fake().starting("opacity"), expected) << r.rect;
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
        {100, 40, {-30, 20}, false, {{0, 20, true}, {99, 20, true}}},  // touching from outside: no hole
        {100, 40, {130, 20}, false, {{99, 20, true}}},
        {100, 40, {-10, 20}, true, {{0, 20, false}, {19, 20, false}, {20, 20, true}, {25, 0, true}}},
    };
    for (const auto& r : rows) {
        const NoticeShape shape = shapeAroundPointer(r.width, r.height, r.pointer);
        EXPECT_EQ(shape.holed, r.holed);
        for (auto [x, y, in] : r.pixels) EXPECT_EQ(shape.contains(x, y), in) << x << "," << y;
    }
}

}  // namespace
