#include "dialogs/work_status_painter.h"

#include "dialogs/minute_colours.h"

namespace workstatus {

namespace {

using draw::Pen;
using draw::rgb;

constexpr draw::Colour HalfHourColour = rgb(170, 170, 170);
constexpr draw::Colour OddHourColour = rgb(119, 119, 119);
constexpr draw::Colour LightSide = rgb(136, 136, 136);
constexpr draw::Colour DarkSide = rgb(50, 50, 50);

void vertical(draw::DisplayList& list, int x, int top, int bottom, draw::Colour colour) {
    list.push_back(draw::line(x, top, x, bottom, Pen{0, colour}));
}

// A strip lower down: every point of the ops from `first` on moved by `dy`.
void moveDown(draw::DisplayList& list, size_t first, int dy) {
    for (size_t i = first; i < list.size(); ++i)
        for (draw::Point& p : list[i].points) p.y += dy;
}

// The frame, the even-hour marks and the noon mark: a light line with a dark one to its
// right, so each reads as a groove; `shift` is 0 for the light pass and 1 for the dark one.
void grooves(draw::DisplayList& list, int shift, draw::Colour colour) {
    for (int x : {6, 9, 490, 493}) vertical(list, x + shift, 35, 85, colour);
    for (int j = 1; j <= 11; ++j) vertical(list, 40 * j + 9 + shift, 45, 75, colour);
    vertical(list, 249 + shift, 40, 80, colour);
}

}  // namespace

void paintHourLabels(draw::DisplayList& list) {
    // Even hours, each label two characters wide so all sit at the same offset from their hour.
    for (int h = 0; h <= 24; h += 2)
        list.push_back(draw::text(20 * h + 3, 16, LabelFontHeight, LabelColour, draw::format("%2d", h)));
}

void paintStrip(draw::DisplayList& list, const int8_t* minutes, int dy) {
    const size_t first = list.size();
    // Half-hour marks, and the shade one pixel left of each odd-hour mark.
    for (int i = 1; i <= 47; ++i)
        if (i % 4 != 0) vertical(list, 10 * i + 9, 50, 70, HalfHourColour);
    // Odd hours 1, 3, ..., 23.
    for (int i = 2; i <= 46; i += 4) vertical(list, 10 * i + 10, 50, 70, OddHourColour);
    grooves(list, 0, LightSide);
    grooves(list, 1, DarkSide);

    // Every third minute; the two minutes between are not shown.
    for (int k = 0; k < MinutesPerDay / 3; ++k) {
        const int code = minutes[3 * k];
        if (!draw::isDrawnMinute(code)) continue;
        list.push_back(draw::solidRectangle(AxisLeft + k, ColumnTop, AxisLeft + k + 1, ColumnBottom,
                                            draw::MinuteColours[code]));
    }
    moveDown(list, first, dy);
}

draw::DisplayList paint(const int8_t* minutes) {
    draw::DisplayList list;
    paintHourLabels(list);
    paintStrip(list, minutes, 0);
    return list;
}

}  // namespace workstatus
