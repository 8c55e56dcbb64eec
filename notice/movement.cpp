#include "notice/movement.h"

#include <algorithm>

#include "notice/notice_window.h"

Movement::Movement(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode)
    : window(window),
      screenWidth(platform::screenWidth()),
      screenHeight(platform::screenHeight()),
      sizeCode(sizeCode),
      speedCode(speedCode) {}

bool Movement::nextFrame() { return false; }

int32_t Movement::pick(uint8_t code, int32_t first, int32_t middle, int32_t last) {
    return code == 0 ? first : code == 2 ? last : middle;
}

int32_t Movement::barStride(int32_t length) const {
    return std::max<int32_t>(1, length / pick(speedCode, 73, 146, 292));
}

// ---- Top to bottom --------------------------------------------------------------------

MovUd::MovUd(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode)
    : Movement(window, sizeCode, speedCode) {
    extent = screenHeight / pick(sizeCode, 10, 30, 60);
    stride = barStride(screenHeight);
    platform::moveWindow(window, 2, 0, screenWidth - 4, extent, true);
    platform::setWindowOpacity(window, BarOpacity);
    platform::invalidateWindow(window);
    position = 0;
}

bool MovUd::nextFrame() {
    platform::moveWindow(window, 2, position, screenWidth - 4, extent, true);
    // The bar is drawn once wholly past the bottom edge before the window is parked.
    if (position > screenHeight) {
        parkNoticeWindow(window);
        return false;
    }
    position += stride;
    return true;
}

// ---- Left to right --------------------------------------------------------------------

MovLr::MovLr(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode)
    : Movement(window, sizeCode, speedCode) {
    extent = screenWidth / pick(sizeCode, 13, 40, 80);
    stride = barStride(screenWidth);
    platform::moveWindow(window, 0, 2, extent, screenHeight - 2, true);
    platform::setWindowOpacity(window, BarOpacity);
    platform::invalidateWindow(window);
    position = 0;
}

bool MovLr::nextFrame() {
    platform::moveWindow(window, position, 2, extent, screenHeight - 2, true);
    if (position > screenWidth) {
        parkNoticeWindow(window);
        return false;
    }
    position += stride;
    return true;
}

// ---- Fade in and out ------------------------------------------------------------------

MovFout::MovFout(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode)
    : Movement(window, sizeCode, speedCode) {
    extent = pick(sizeCode, 2, 4, 6);
    stride = pick(speedCode, 6, 3, 2);
    alpha = 0;
    platform::moveWindow(window, screenWidth / 2 - screenWidth / (2 * extent),
                         screenHeight / 2 - screenHeight / (2 * extent), screenWidth / extent, screenHeight / extent,
                         true);
    platform::setWindowOpacity(window, static_cast<uint8_t>(alpha));
    platform::invalidateWindow(window);
    position = stride;
}

bool MovFout::nextFrame() {
    alpha += position;
    // The fade turns at the first value above 150, which is still shown.
    if (alpha > 150 && position > 0) position = -position;
    if (alpha < 0 && position < 0) {
        parkNoticeWindow(window);
        return false;
    }
    platform::setWindowOpacity(window, static_cast<uint8_t>(alpha));
    return true;
}
