// The five phases of the work timer and the events a tick can bring.
#pragma once

#include <cstdint>

enum Phase : uint8_t { Stopped = 0, Working = 1, WorkOver = 2, Resting = 3, RestOver = 4 };

enum TickEvent : uint8_t {
    TickNone = 0,
    TickReminder = 1,
    TickWorkEnd = 2,
    TickOverrun = 3,
    TickRestEnd = 4,
    TickStopped = 5,
};
