// The notice motions: a bar sweeping down or across the screen, or a centred fade.
//
// One object is made per run and per monitor by the worker thread, stepped every 50 ms
// until nextFrame says the run is over (the window is parked by then), and deleted. The
// arithmetic is plain integer arithmetic over the monitor's rectangle in physical pixels:
// sizes and strides are fractions of it, so a run takes as many steps at any DPI; only the
// fixed 2 px margins grow with the monitor's DPI. The window is moved and faded through
// the platform seam, so the motions run without Windows.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Codes of Property's moveKind, moveSize and moveSpeed.
enum MoveKind : uint8_t { MoveNone = 0, MoveFade = 1, MoveLeftRight = 2, MoveTopDown = 3 };
enum MoveSize : uint8_t { SizeLarge = 0, SizeMedium = 1, SizeSmall = 2 };
enum MoveSpeed : uint8_t { SpeedFast = 0, SpeedNormal = 1, SpeedSlow = 2 };

constexpr unsigned NoticeStepMilliseconds = 50;
constexpr uint8_t BarOpacity = 128;

class Movement {
public:
    // Stores the window and the codes and reads the primary screen's size; the motions
    // then place the window and set its first opacity.
    Movement(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode);
    // The same over one monitor's rectangle.
    Movement(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode, uint8_t speedCode);
    // Deleted through the base by the worker; the motions add no fields of their own.
    virtual ~Movement() = default;
    Movement(const Movement&) = delete;
    Movement& operator=(const Movement&) = delete;

    // One step. True: call again after 50 ms. False: the run is over and the window parked.
    virtual bool nextFrame();

    platform::WindowHandle window;
    int32_t screenWidth;
    int32_t screenHeight;
    int32_t alpha = 0;     // MovFout: the opacity shown; the bars do not use it
    int32_t position = 0;  // bars: leading edge; MovFout: opacity change at the next step
    int32_t stride = 0;    // bars: px per step; MovFout: opacity change per step
    int32_t extent = 0;    // MovUd: bar height; MovLr: bar width; MovFout: screen divisor
    uint8_t sizeCode;
    uint8_t speedCode;
    int32_t left = 0;   // the monitor's top-left corner on the virtual screen
    int32_t top = 0;
    int32_t margin = 2;  // the bars' free edge: 2 px at 96 DPI

protected:
    // The table entry for a size or speed code; an unknown code acts as the middle one.
    static int32_t pick(uint8_t code, int32_t first, int32_t middle, int32_t last);
    // px per step for a bar crossing `length` px. Never 0, so that a bar on a screen
    // smaller than the divisor still reaches the far edge and the run ends.
    int32_t barStride(int32_t length) const;
    // How much of a bar `extent` long, starting `position` px into a monitor `length` px
    // long, lies on that monitor. The bar is cut at the monitor's far edge, so
    // that with several monitors it never shows on the neighbour; wholly past it, nothing.
    static int32_t visiblePart(int32_t position, int32_t extent, int32_t length);
};

// A bar the width of the screen (less 2 px each side) moving from the top edge down.
class MovUd : public Movement {
public:
    MovUd(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode);
    MovUd(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode, uint8_t speedCode);
    bool nextFrame() override;

private:
    void start();
};

// A bar the height of the screen (less 2 px at the top) moving from the left edge across.
class MovLr : public Movement {
public:
    MovLr(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode);
    MovLr(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode, uint8_t speedCode);
    bool nextFrame() override;

private:
    void start();
};

// A centred rectangle whose opacity rises past 150 and falls back to 0.
class MovFout : public Movement {
public:
    MovFout(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode);
    MovFout(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode, uint8_t speedCode);
    bool nextFrame() override;

private:
    void start();
};
