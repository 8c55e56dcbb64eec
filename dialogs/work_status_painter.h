// The work status strip: today's record over a 24-hour axis, one pixel column per three
// minutes, drawn in the dialog's client pixels.
#pragma once

#include <cstdint>

#include "dialogs/display_list.h"

namespace workstatus {

constexpr int MinutesPerDay = 1440;
constexpr int AxisLeft = 10;        // x of 00:00; minute m lies at AxisLeft + m / 3
constexpr int ColumnTop = 53;
constexpr int ColumnBottom = 67;    // exclusive
constexpr int LabelFontHeight = 12;

constexpr draw::Colour LabelColour = draw::rgb(50, 50, 50);
constexpr int FrameTop = 35;
constexpr int FrameBottom = 85;

// `minutes` holds the 1440 minute codes of the day (00:00 first): the hour labels over one
// strip.
draw::DisplayList paint(const int8_t* minutes);

// The two parts, for stacking several days under one row of labels: the even hours at
// y = 16, and one day's marks, frame and columns between y = 35 and 85, moved down by `dy`.
void paintHourLabels(draw::DisplayList& list);
void paintStrip(draw::DisplayList& list, const int8_t* minutes, int dy);

}  // namespace workstatus
