// Helpers shared by the day record tests: records painted minute range by minute range.
#pragma once

#include <cstdint>
#include <vector>

#include "records/day_record.h"
#include "tests/support/test_env.h"

// Minute index of hh:mm.
constexpr int at(int hour, int minute) { return hour * 60 + minute; }

// Sets minutes first..last (both included) to `code`.
inline void paint(DayRecord& record, int first, int last, int code) {
    for (int i = first; i <= last; ++i) record.minutes[i] = static_cast<int8_t>(code);
}

inline std::vector<uint8_t> imagesOf(const std::vector<DayRecord>& records) {
    std::vector<uint8_t> bytes;
    for (const DayRecord& r : records) {
        const DayRecordImage image = encodeDayRecord(r);
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}
