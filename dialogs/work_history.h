// Looking back in 作業状況: which day is shown, a day or the week ending with it, what the
// caption and the totals say, what the buttons allow, and the week's painting. The dialog
// procedure only turns buttons and keys into moves and shows what this returns.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "dialogs/display_list.h"
#include "records/day_history.h"

namespace workhistory {

using history::DayNumber;

// Where the dialog finds a day: today's record as the Log holds it now, the finished days
// still waiting for state.dat, and state.dat.
class DayBook {
public:
    DayBook(const DayRecord& live, std::vector<DayRecord> waiting, const std::string& statePath, DayNumber today);
    // The record of the local date `day`, or null when nothing was recorded that day. Today
    // is the live record itself, as the strip always showed it, so minutes ticked since
    // show at the next paint; a past day is read once and kept.
    const DayRecord* find(DayNumber day);
    // The earliest date that can be shown: the first day held, and never after today.
    DayNumber firstDay();

private:
    const DayRecord& live;
    DayNumber today;
    std::vector<DayRecord> waiting;
    std::string statePath;  // opened for each lookup, never held while the dialog is open
    std::map<DayNumber, std::vector<DayRecord>> read;  // empty: no record that day
    std::map<DayNumber, DayRecord> merged;
};

enum class Move { Back, Forward, WeekBack, WeekForward, Today, ToggleWeek };

// The shown date, from the first day held up to today.
struct Browser {
    DayNumber today = 0;
    DayNumber first = 0;
    DayNumber shown = 0;
    bool week = false;

    Browser(DayNumber today, DayNumber first);
    // False when the move changes nothing (already at the end it goes towards).
    bool apply(Move move);
    bool canGoBack() const { return shown > first; }
    bool canGoForward() const { return shown < today; }
};

// The dates of the week view, oldest first; the shown date last.
std::array<DayNumber, 7> weekOf(DayNumber last);

// "2026/12/05(土)"; `withYear` false gives "12/05(土)".
std::string dateLabel(DayNumber day, bool withYear = true);
// The dialog's caption for what the browser shows.
std::string caption(const Browser& browser);
// "作業 H時間MM分　休憩 H時間MM分" over all 1440 minutes of every day given (work counts its
// overrun, rest its overrun), or "記録なし" when no day has a record (null).
std::string totalsText(const std::vector<const DayRecord*>& days);

// The week view: one row of hour labels, then the seven days' strips stacked WeekPitch
// apart at the single strip's horizontal scale, each labelled on its right with its date
// and its work total.
constexpr int WeekPitch = 56;
constexpr int WeekLabelX = 502;
// How much lower the last strip lies than the single one: the dialog grows by as much.
constexpr int WeekGrowth = 6 * WeekPitch;
// The client width the labels need (the widest, "作業 10時間00分", ends near x = 592).
constexpr int WeekClientWidth = 606;
draw::DisplayList paintWeek(const std::array<const DayRecord*, 7>& days, DayNumber last);
// The single day; a day without a record paints the empty strip.
draw::DisplayList paintDay(const DayRecord* day);

}  // namespace workhistory
