#include "notice/notice_window.h"

void parkNoticeWindow(platform::WindowHandle window) {
    platform::setWindowOpacity(window, 0);
    platform::moveWindow(window, 0, 0, ParkedSize, ParkedSize, false);
}

NoticeShape fullShape(int clientWidth, int clientHeight) {
    NoticeShape shape;
    shape.rect = ShapeBox{0, 0, clientWidth, clientHeight};
    return shape;
}

NoticeShape shapeAroundPointer(int clientWidth, int clientHeight, platform::Point pointer, int radius) {
    NoticeShape shape = fullShape(clientWidth, clientHeight);
    shape.hole = ShapeBox{pointer.x - radius, pointer.y - radius, pointer.x + radius, pointer.y + radius};
    // A pointer far from the window cuts nothing; leaving the hole out spares a region.
    shape.holed = shape.hole.left < shape.rect.right && shape.hole.right > shape.rect.left &&
                  shape.hole.top < shape.rect.bottom && shape.hole.bottom > shape.rect.top;
    return shape;
}

bool NoticeShape::contains(int x, int y) const {
    if (x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom) return false;
    if (!holed) return true;
    // Pixel centres against the disc centre, in half pixels so that it stays integral:
    // the disc covers the pixels whose centre lies closer than the radius.
    long long dx = 2LL * x + 1 - (static_cast<long long>(hole.left) + hole.right);
    long long dy = 2LL * y + 1 - (static_cast<long long>(hole.top) + hole.bottom);
    long long diameter = static_cast<long long>(hole.right) - hole.left;
    return dx * dx + dy * dy >= diameter * diameter;
}
