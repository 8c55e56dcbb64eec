// The notice window's portable side: the parked state and the shape with the pointer hole.
#pragma once

#include "platform/platform.h"

constexpr int ParkedSize = 5;     // the parked window: 5 x 5 at (0, 0), opacity 0
constexpr int PointerHoleRadius = 30;

// Parks the window: opacity 0 first, so the move that follows is never seen; then 5 x 5
// at (0, 0) without repaint. A fully transparent layered window lets every click through.
void parkNoticeWindow(platform::WindowHandle window);

struct ShapeBox {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
};

// The window's shape in client coordinates: the client rectangle, less the disc of radius
// 30 px (at 96 DPI) around the pointer when that disc reaches into the rectangle.
struct NoticeShape {
    ShapeBox rect;
    bool holed = false;
    ShapeBox hole;  // the square box the disc is inscribed in

    // Whether the pixel (x, y) belongs to the shape (is drawn and takes clicks).
    bool contains(int x, int y) const;
};

NoticeShape fullShape(int clientWidth, int clientHeight);
// `pointer` is in client coordinates; `radius` is the hole's radius in the window's pixels.
NoticeShape shapeAroundPointer(int clientWidth, int clientHeight, platform::Point pointer,
                               int radius = PointerHoleRadius);
