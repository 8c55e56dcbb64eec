#include "notice/movement.h"

#include <algorithm>

#include "notice/notice_window.h"

Movement::Movement(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode)
    : window(window),
      screenWidth(platform::screenWidth()),
      screenHeight(platform::screenHeight()),
      sizeCode(sizeCode),
      speedCode(speedCode) {}

Movement::Movement(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode,
                   uint8_t speedCode)
    : window(window),
      screenWidth(area.width),
      screenHeight(area.height),
      sizeCode(sizeCode),
      speedCode(speedCode),
      left(area.left),
      top(area.top),
      margin(platform::scaleToDpi(2, area.dpi)) {}

bool Movement::nextFrame() { return false; }

int32_t Movement::pick(uint8_t code, int32_t first, int32_t middle, int32_t last) {
    return code == 0 ? first : code == 2 ? last : middle;
}

int32_t Movement::barStride(int32_t length) const {
    return std::max<int32_t>(1, length / pick(speedCode, 73, 146, 292));
}

int32_t Movement::visiblePart(int32_t position, int32_t extent, int32_t length) {
    return std::clamp<int32_t>(length - position, 0, extent);
}

// ---- Top to bottom --------------------------------------------------------------------

MovUd::MovUd(platform::WindowHandle window, uint8_t sizeCode, uint8_t speedCode)
    : Movement(window, sizeCode, speedCode) {
    start();
}

MovUd::MovUd(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode, uint8_t speedCode)
    : Movement(window, area, sizeCode, speedCode) {
    start();
}

void MovUd::start() {
    extent = screenHeight / pick(sizeCode, 10, 30, 60);
    stride = barStride(screenHeight);
    platform::moveWindow(window, left + margin, top, screenWidth - 2 * margin, extent, true);
    platform::setWindowOpacity(window, BarOpacity);
    platform::invalidateWindow(window);
    position = 0;
}

bool MovUd::nextFrame() {
    platform::moveWindow(window, left + margin, top + std::min(position, screenHeight), screenWidth - 2 * margin,
                         visiblePart(position, extent, screenHeight), true);
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
    start();
}

MovLr::MovLr(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode, uint8_t speedCode)
    : Movement(window, area, sizeCode, speedCode) {
    start();
}

void MovLr::start() {
    extent = screenWidth / pick(sizeCode, 13, 40, 80);
    stride = barStride(screenWidth);
    platform::moveWindow(window, left, top + margin, extent, screenHeight - margin, true);
    platform::setWindowOpacity(window, BarOpacity);
    platform::invalidateWindow(window);
    position = 0;
}

bool MovLr::nextFrame() {
    platform::moveWindow(window, left + std::min(position, screenWidth), top + margin,
                         visiblePart(position, extent, screenWidth),
                         screenHeight - margin, true);
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
    start();
}

MovFout::MovFout(platform::WindowHandle window, const platform::MonitorArea& area, uint8_t sizeCode,
                 uint8_t speedCode)
    : Movement(window, area, sizeCode, speedCode) {
    start();
}

void MovFout::start() {
    extent = pick(sizeCode, 2, 4, 6);
    stride = pick(speedCode, 6, 3, 2);
    alpha = 0;
    platform::moveWindow(window, left + screenWidth / 2 - screenWidth / (2 * extent),
                         top + screenHeight / 2 - screenHeight / (2 * extent), screenWidth / extent, screenHeight / extent,
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
