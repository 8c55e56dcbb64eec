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

// `minutes` holds the 1440 minute codes of the day (00:00 first).
draw::DisplayList paint(const int8_t* minutes);

}  // namespace workstatus
