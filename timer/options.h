// The options that param.dat has no room for.
#pragma once

#include <cstdint>

struct Options {
    uint8_t awayIsRest = 0;
    int32_t awayMinutes = 5;
    uint8_t quietFullscreen = 1;
    uint8_t allMonitors = 1;
};
