// The colour of each recorded minute code, shared by the work status strip and the minute
// chart of the evaluation report, so that both charts read the same.
#pragma once

#include "dialogs/display_list.h"

namespace draw {

// Colours of codes 1 (working), 2 (work overrun), 3 (resting), 4 (rest overrun), 5 (stopped).
constexpr Colour MinuteColours[6] = {
    0,  // no data: never drawn
    rgb(255, 34, 68), rgb(187, 17, 17), rgb(34, 85, 255), rgb(17, 25, 187), rgb(144, 144, 144),
};

// True for the codes that are drawn; no data (0) and bytes a damaged file may hold are not.
constexpr bool isDrawnMinute(int code) { return code >= 1 && code <= 5; }

}  // namespace draw
