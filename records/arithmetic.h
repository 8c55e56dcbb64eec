// Small arithmetic helpers shared by the day records, the statistics, the scores and the
// report: byte clamping, division that gives 0 for a zero divisor, local-date day counts.
#pragma once

#include <cstdint>
#include <ctime>
#include <initializer_list>

// Values above 255 give 255, negative values 0. Takes 64 bits so that no sum of a long
// history can wrap before it is clamped.
uint8_t clampByte(int64_t value);

// 0 when b is 0; otherwise a / b truncated toward zero.
int64_t divOrZero(int64_t a, int64_t b);

// 0.0 when b is 0.0 (the division is not attempted); otherwise a / b in double precision.
// Both arguments are single precision: integer and double arguments are rounded to float
// on the way in. The caller rounds the quotient to float where a float receives it.
double divOrZeroF(float a, float b);

// The largest of the values (at least one), compared as unsigned.
uint64_t maxOf(std::initializer_list<uint64_t> values);

// The local calendar fields of a time value (the C runtime's localtime). False when the
// runtime cannot convert it.
bool localFields(int64_t time, std::tm& out);

// True when both times fall on the same local calendar date. Any difference counts, also a
// date earlier than the other.
bool sameLocalDate(int64_t a, int64_t b);

// Calendar days from the local date of `earlier` to that of `later`, both counted: 1 on the
// same date, 2 on consecutive dates. Counted by dates, so a daylight-saving change inside
// the span neither adds nor loses a day.
int32_t daysInclusive(int64_t later, int64_t earlier);

// The first decimal digit of a non-negative x: trunc(x * 10 rounded to float) - 10 * trunc(x).
int32_t tenthsDigit(float x);
