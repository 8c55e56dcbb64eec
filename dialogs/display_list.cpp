#include "dialogs/display_list.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "platform/platform.h"

namespace draw {

DrawOp text(int x, int y, int fontHeight, Colour colour, std::string s) {
    DrawOp op;
    op.kind = Kind::Text;
    op.points = {{x, y}};
    op.text = std::move(s);
    op.fontHeight = fontHeight;
    op.colour = colour;
    return op;
}

DrawOp line(int x0, int y0, int x1, int y1, Pen pen) {
    DrawOp op;
    op.kind = Kind::Line;
    op.points = {{x0, y0}, {x1, y1}};
    op.hasPen = true;
    op.pen = pen;
    return op;
}

DrawOp polyline(std::vector<Point> points, Pen pen) {
    DrawOp op;
    op.kind = Kind::Polyline;
    op.points = std::move(points);
    op.hasPen = true;
    op.pen = pen;
    return op;
}

DrawOp solidRectangle(int left, int top, int right, int bottom, Colour colour) {
    DrawOp op;
    op.kind = Kind::Rectangle;
    op.points = {{left, top}, {right, bottom}};
    op.hasPen = true;
    op.pen = Pen{0, colour};
    op.hasBrush = true;
    op.brush = colour;
    return op;
}

namespace {

void include(Bounds& b, int left, int top, int right, int bottom) {
    if (b.empty) {
        b = Bounds{left, top, right, bottom, false};
        return;
    }
    b.left = std::min(b.left, left);
    b.top = std::min(b.top, top);
    b.right = std::max(b.right, right);
    b.bottom = std::max(b.bottom, bottom);
}

}  // namespace

Bounds boundsOf(const DisplayList& list) {
    Bounds b;
    for (const DrawOp& op : list) {
        if (op.points.empty()) continue;
        switch (op.kind) {
        case Kind::Text: {
            const Point p = op.points[0];
            const int width = static_cast<int>(op.text.size()) * op.fontHeight / 2;
            include(b, p.x, p.y, p.x + width - 1, p.y + op.fontHeight - 1);
            break;
        }
        case Kind::Rectangle:
            include(b, op.points[0].x, op.points[0].y, op.points[1].x - 1, op.points[1].y - 1);
            break;
        case Kind::Line:
        case Kind::Polyline: {
            // Half a wide pen's width spills to each side of the path.
            const int spill = op.pen.width > 1 ? op.pen.width / 2 : 0;
            for (const Point& p : op.points) include(b, p.x - spill, p.y - spill, p.x + spill, p.y + spill);
            break;
        }
        }
    }
    return b;
}

namespace {

// A thin line along a row or a column paints whole 96-DPI pixels: the cells from its start
// up to (not including) its end. Scaled, those cells become a block from the scaled start
// of the first to the scaled start of the one past the last, so that columns side by side
// stay side by side, and the two lines of a groove stay one beside the other, at any DPI.
bool isThinAxisLine(const DrawOp& op) {
    if (op.kind != Kind::Line || op.points.size() < 2 || !op.hasPen || op.pen.width > 1) return false;
    const Point a = op.points[0], b = op.points[1];
    return (a.x == b.x) != (a.y == b.y);
}

// The cells [from, to) of a thin line running from `a` to `b` (the end cell left out).
std::pair<int, int> cellsOf(int a, int b) { return a < b ? std::make_pair(a, b) : std::make_pair(b + 1, a + 1); }

DrawOp scaledThinLine(const DrawOp& op, int dpi) {
    auto scale = [dpi](int v) { return platform::scaleToDpi(v, dpi); };
    const Point a = op.points[0], b = op.points[1];
    auto [left, right] = a.x == b.x ? std::make_pair(a.x, a.x + 1) : cellsOf(a.x, b.x);
    auto [top, bottom] = a.y == b.y ? std::make_pair(a.y, a.y + 1) : cellsOf(a.y, b.y);
    return solidRectangle(scale(left), scale(top), scale(right), scale(bottom), op.pen.colour);
}

}  // namespace

DisplayList scaled(const DisplayList& list, int dpi) {
    DisplayList out = list;
    if (dpi == platform::DesignDpi) return out;
    auto scale = [dpi](int v) { return platform::scaleToDpi(v, dpi); };
    for (DrawOp& op : out) {
        if (isThinAxisLine(op)) {
            op = scaledThinLine(op, dpi);
            continue;
        }
        for (Point& p : op.points) p = Point{scale(p.x), scale(p.y)};
        op.fontHeight = scale(op.fontHeight);
        if (op.hasPen) {
            // Whole pixels, cut down: a hairline stays one pixel at 150 % rather than
            // thickening to two.
            const int width = std::max(1, (op.pen.width == 0 ? 1 : op.pen.width) * dpi / platform::DesignDpi);
            op.pen.width = op.pen.width == 0 && width == 1 ? 0 : width;
        }
    }
    return out;
}

std::string format(const char* fmt, ...) {
    char buffer[256];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    return buffer;
}

}  // namespace draw
