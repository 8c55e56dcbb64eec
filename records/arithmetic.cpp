#include "records/arithmetic.h"

#include <cmath>

uint8_t clampByte(int64_t value) {
    if (value > 255) return 255;
    if (value < 0) return 0;
    return static_cast<uint8_t>(value);
}

int64_t divOrZero(int64_t a, int64_t b) {
    if (b == 0) return 0;
    return a / b;
}

double divOrZeroF(float a, float b) {
    if (b == 0.0f) return 0.0;
    return static_cast<double>(a) / static_cast<double>(b);
}

uint64_t maxOf(std::initializer_list<uint64_t> values) {
    uint64_t largest = *values.begin();
    for (uint64_t v : values)
        if (v > largest) largest = v;
    return largest;
}

bool localFields(int64_t time, std::tm& out) {
#ifdef _WIN32
    // The 64-bit call: the 32-bit build's time_t would end in January 2038.
    const __time64_t t = static_cast<__time64_t>(time);
    return _localtime64_s(&out, &t) == 0;
#else
    const std::time_t t = static_cast<std::time_t>(time);
    if (static_cast<int64_t>(t) != time) return false;
    return localtime_r(&t, &out) != nullptr;
#endif
}

bool sameLocalDate(int64_t a, int64_t b) {
    std::tm first{}, second{};
    if (!localFields(a, first) || !localFields(b, second)) return false;
    return first.tm_mday == second.tm_mday && first.tm_mon == second.tm_mon && first.tm_year == second.tm_year;
}

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's days_from_civil).
int64_t daysFromCivil(int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

int64_t localDayNumber(int64_t time) {
    std::tm fields{};
    // A time the runtime cannot convert falls back to its UTC day.
    if (!localFields(time, fields)) return time >= 0 ? time / 86400 : -((-time + 86399) / 86400);
    return daysFromCivil(static_cast<int64_t>(fields.tm_year) + 1900, static_cast<unsigned>(fields.tm_mon + 1),
                         static_cast<unsigned>(fields.tm_mday));
}

}  // namespace

int32_t daysInclusive(int64_t later, int64_t earlier) {
    const int64_t days = localDayNumber(later) - localDayNumber(earlier) + 1;
    if (days > INT32_MAX) return INT32_MAX;
    if (days < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(days);
}

int32_t tenthsDigit(float x) {
    const float tenfold = static_cast<float>(static_cast<double>(x) * 10.0);
    return static_cast<int32_t>(std::trunc(tenfold)) - 10 * static_cast<int32_t>(std::trunc(x));
}
