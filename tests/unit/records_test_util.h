// Helpers shared by the day record tests: local times under a chosen time zone, and
// records painted minute range by minute range.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "records/day_record.h"

// Sets TZ for the life of the object and puts the old value back afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        hadOld = old != nullptr;
        if (old) oldValue = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (hadOld) setenv("TZ", oldValue.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool hadOld = false;
    std::string oldValue;
};

// Seconds since 1970 of a local wall-clock time in the current TZ.
inline int64_t localTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&fields));
}

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
