// Lengths typed into the dialogs' digit edits, and the planned end time shown beside them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

class Master;

// The buffer an edit's text is read into: the edits hold three digits, and anything past
// seven characters (put there by pasting or by another program) is cut off.
constexpr size_t MinutesTextSize = 8;
constexpr int32_t MinutesLowest = 0;
constexpr int32_t MinutesHighest = 300;

// Lenient decimal: leading blanks, an optional sign, then digits up to the first other
// character; no digits give 0. Saturates instead of overflowing.
int32_t parseMinutes(const char* text);

// Puts the typed length into each of `fields` if it lies in 0..300; otherwise puts
// `fallback` there first and then shows a message box ("エラー", owned by the main window)
// with `message`.
void acceptMinutes(Master& master, const char* text, int32_t fallback, const char* message,
                   std::initializer_list<int32_t*> fields);

struct HourMinute {
    int hour = 0;
    int minute = 0;
};

// The local clock's hour and minute now.
HourMinute currentHourMinute();
// The clock time `minutes` after `at`, on a 24-hour dial.
HourMinute addMinutes(HourMinute at, int32_t minutes);
// "分 - 終了予定時刻 HH:MM": when a work period of `minutes` started now would end.
std::string endTimeLabel(int32_t minutes);
