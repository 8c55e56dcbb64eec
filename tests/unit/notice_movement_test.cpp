// The notice motions and the notice window's shape, against the fake platform.
#include <gtest/gtest.h>

#include <memory>

#include "notice/movement.h"
#include "notice/notice_window.h"
#include "tests/support/fake_platform.h"

namespace {

int window;  // any distinct handle

TEST(NoticeMotion, PlacementStepsAndParkingOfEverySizeAndSpeed) {
    // Large, medium, small and fast, normal, slow; medium and normal on two monitors in notice_series_test.
    // The bars: 1/10, 1/30, 1/60 of the height (1/13, 1/40, 1/80 of the width), steps of 1/73, 1/146,
    // 1/292 of it, 2 px margins. The fade: a centred half, quarter or sixth, 6, 3 or 2 a step up to
    // the first value past 150 and back. The step that ends the run counts.
    const struct { uint8_t kind; int width, height; uint8_t size, speed; const char* placed; int steps; } rows[] = {
        {MoveTopDown, 1366, 768, SizeLarge, SpeedFast, "2,0 1362x76", 78},
        {MoveTopDown, 1366, 768, SizeSmall, SpeedSlow, "2,0 1362x12", 386},
        {MoveTopDown, 1920, 1080, 9, 200, "2,0 1916x36", 156},  // unknown codes act as medium and normal
        {MoveLeftRight, 1366, 768, SizeLarge, SpeedFast, "0,2 105x766", 77},
        {MoveLeftRight, 1920, 1080, SizeSmall, SpeedSlow, "0,2 24x1078", 322},
        // Below the divisor the truncated stride would be 0 and the bar would never move.
        {MoveTopDown, 200, 60, SizeLarge, SpeedSlow, "2,0 196x6", 62},
        {MoveLeftRight, 60, 200, SizeSmall, SpeedFast, "0,2 0x198", 62},
        {MoveFade, 1366, 768, SizeLarge, SpeedFast, "342,192 683x384", 53},   // up to 156
        {MoveFade, 1366, 768, SizeSmall, SpeedSlow, "570,320 227x128", 153},  // up to 152
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.kind) + " " + std::to_string(r.width) + " size " + std::to_string(r.size));
        resetFake();
        fake().screenWidth = r.width, fake().screenHeight = r.height;
        std::unique_ptr<Movement> motion;
        if (r.kind == MoveTopDown) motion = std::make_unique<MovUd>(&window, r.size, r.speed);
        else if (r.kind == MoveLeftRight) motion = std::make_unique<MovLr>(&window, r.size, r.speed);
        else motion = std::make_unique<MovFout>(&window, r.size, r.speed);
        int steps = 1;
        while (motion->nextFrame() && steps < 100000) ++steps;
        EXPECT_EQ(steps, r.steps);
        const auto& calls = fake().calls;
        // Placed and shown (a bar at half opacity, the fade from 0); each run ends parked: opacity 0
        // first, then 5 x 5 at (0, 0), unpainted.
        EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
                  (std::vector<std::string>{std::string("moveWindow ") + r.placed + " repaint",
                                            r.kind == MoveFade ? "opacity 0" : "opacity 128", "invalidate"}));
        EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()),
                  (std::vector<std::string>{"opacity 0", "moveWindow 0,0 5x5 norepaint"}));
    }
}

TEST(NoticeShape, DiscOfThirtyPixelsAroundThePointerIsCutOutOfTheClientRectangle) {
    using Pixels = std::vector<std::tuple<int, int, bool>>;  // x, y, in the shape
    const struct { int width, height; platform::Point pointer; bool holed; Pixels pixels; } rows[] = {
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
