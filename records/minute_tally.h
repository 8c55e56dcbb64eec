// Counts, for every minute of the day and every code 0..5, how many records hold that
// code there. The heart of the statistics' cost: one pass over every byte of the history.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/day_record.h"

// The ways of sweeping the bytes; the widest one the processor offers is used.
enum class TallyPath { Plain, Sse2, Avx2 };

class MinuteTally {
public:
    // Forces one way for all tallies (tests compare them); false when it is not available.
    static bool usePath(TallyPath path);
    static void useBestPath();

    MinuteTally();
    // Adds `count` record images laid end to end (DayRecordSize bytes apart). A byte
    // outside 0..5 is counted for no code.
    void add(const uint8_t* records, size_t count);
    uint32_t days(int code, size_t minute) const { return counts[static_cast<size_t>(code) * MinutesPerDay + minute]; }

private:
    std::vector<uint32_t> counts;  // [code * 1440 + minute]
};
