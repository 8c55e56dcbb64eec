#include "dialogs/minutes_entry.h"

#include <cstdio>

#include "app/master.h"
#include "platform/platform.h"
#include "platform/texts.h"

int32_t parseMinutes(const char* text) {
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT32_MAX) value = static_cast<int64_t>(INT32_MAX) + 1;  // stays out of range, never wraps
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

void acceptMinutes(Master& master, const char* text, int32_t fallback, const char* message,
                   std::initializer_list<int32_t*> fields) {
    const int32_t value = parseMinutes(text);
    const bool inRange = value >= MinutesLowest && value <= MinutesHighest;
    for (int32_t* field : fields) *field = inRange ? value : fallback;
    // Only now: the box runs a modal loop in which the minute timer keeps ticking, and
    // those ticks must already count with the default.
    if (!inRange) platform::messageBox(master.mainWindow, message, texts::get(texts::ErrorCaption), 0);
}

HourMinute currentHourMinute() {
    const platform::ClockTime now = platform::localClock();
    return HourMinute{now.hour, now.minute};
}

HourMinute addMinutes(HourMinute at, int32_t minutes) {
    // Counted on the day's 1440 minutes, so a negative length (pasted into the edit) turns
    // the clock back instead of showing a negative minute.
    constexpr int64_t Day = 24 * 60;
    int64_t total = (static_cast<int64_t>(at.hour) * 60 + at.minute + minutes) % Day;
    if (total < 0) total += Day;
    return HourMinute{static_cast<int>(total / 60), static_cast<int>(total % 60)};
}

std::string endTimeLabel(int32_t minutes) {
    HourMinute end = addMinutes(currentHourMinute(), minutes);
    char label[64];
    std::snprintf(label, sizeof label, texts::get(texts::EndTimeLabel), end.hour, end.minute);
    return label;
}
