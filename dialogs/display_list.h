// What a dialog paints, as data: the painters build a display list from the records and
// dialogs/canvas_win32.cpp draws it with GDI. Keeping the painting pure lets the unit tests
// check every position, colour and text without a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace draw {

// A colour in the COLORREF layout: red in the low byte, then green, then blue.
using Colour = uint32_t;
constexpr Colour rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}
constexpr uint8_t redOf(Colour c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t greenOf(Colour c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t blueOf(Colour c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// A solid pen; width 0 is GDI's one-pixel cosmetic pen.
struct Pen {
    int width = 0;
    Colour colour = 0;
    bool operator==(const Pen& o) const { return width == o.width && colour == o.colour; }
};

enum class Kind : uint8_t {
    Text,       // `text` with its top-left corner at points[0], font `fontHeight`, colour `colour`
    Line,       // points[0] to points[1]; the end point itself is not painted
    Rectangle,  // corners points[0] (left, top) and points[1] (right, bottom, exclusive)
    Polyline,   // points[0], points[1], ... joined in order (closed when the last repeats the first)
};

struct DrawOp {
    Kind kind = Kind::Line;
    std::vector<Point> points;
    // Text only.
    std::string text;  // code page 932
    int fontHeight = 0;
    Colour colour = 0;
    // Lines, polylines and rectangles.
    bool hasPen = false;
    Pen pen;
    // Rectangles only.
    bool hasBrush = false;
    Colour brush = 0;
};

using DisplayList = std::vector<DrawOp>;

DrawOp text(int x, int y, int fontHeight, Colour colour, std::string s);
DrawOp line(int x0, int y0, int x1, int y1, Pen pen);
DrawOp polyline(std::vector<Point> points, Pen pen);
// A rectangle filled with `brush` and outlined with a one-pixel pen of the same colour.
DrawOp solidRectangle(int left, int top, int right, int bottom, Colour colour);

// The smallest box holding every pixel the list can paint, for checking that a dialog's
// client area contains its painting. Text is measured as `fontHeight` tall and, per byte,
// fontHeight / 2 wide (a double-byte character is two bytes, one full em). Wide pens grow the
// box by half their width.
struct Bounds {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom inclusive
    bool empty = true;
};
Bounds boundsOf(const DisplayList& list);

// The list as drawn at `dpi`: every position and font height at 96 DPI times dpi / 96,
// rounded half away from zero; corners are scaled one by one, so shapes that touch at
// 96 DPI still touch. A one-pixel line along a row or a column becomes the solid rectangle
// its pixels grow into (a column from x to x + 1 covers scaled x to scaled x + 1), so
// columns and the two lines of a groove that touch at 96 DPI touch at every DPI. Other pens
// scale to whole pixels cut down, so a one-pixel pen stays one pixel until 200 %.
DisplayList scaled(const DisplayList& list, int dpi);

// printf into a std::string (the painters' numeric labels).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace draw
