// Settings that param.dat has no room for.
#pragma once

#include <cstdint>

struct Options {
    uint8_t allMonitors = 1;  // the notice covers every monitor, not only the primary
};
