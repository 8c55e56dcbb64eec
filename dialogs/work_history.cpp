#include "dialogs/work_history.h"

#include <algorithm>
#include <utility>

#include "dialogs/work_status_painter.h"

namespace workhistory {

DayBook::DayBook(const DayRecord& liveRecord, std::vector<DayRecord> waitingDays, const std::string& path,
                 DayNumber todayDate)
    : live(liveRecord), today(todayDate), waiting(std::move(waitingDays)), statePath(path) {}

const DayRecord* DayBook::find(DayNumber day) {
    DayNumber liveDay = 0;
    if (day == today || (history::localDayOf(live.startTime, liveDay) && liveDay == day)) return &live;
    auto cached = merged.find(day);
    if (cached != merged.end()) return &cached->second;
    if (read.count(day)) return nullptr;
    std::vector<DayRecord>& records = read[day];
    records = history::DayFile(statePath.c_str()).find(day);
    // The waiting days come after state.dat's: they were finished later.
    for (const DayRecord& record : waiting) {
        DayNumber date = 0;
        if (history::isSoundRecord(record) && history::localDayOf(record.startTime, date) && date == day)
            records.push_back(record);
    }
    if (records.empty()) return nullptr;
    return &(merged[day] = history::mergedDay(records));
}

DayNumber DayBook::firstDay() {
    DayNumber first = today, date = 0;
    if (history::DayFile(statePath.c_str()).firstDay(date)) first = std::min(first, date);
    for (const DayRecord& record : waiting)
        if (history::isSoundRecord(record) && history::localDayOf(record.startTime, date)) first = std::min(first, date);
    if (history::localDayOf(live.startTime, date)) first = std::min(first, date);
    return first;
}

Browser::Browser(DayNumber todayDate, DayNumber firstDate)
    : today(todayDate), first(std::min(firstDate, todayDate)), shown(todayDate) {}

bool Browser::apply(Move move) {
    const DayNumber before = shown;
    switch (move) {
    case Move::Back: shown -= 1; break;
    case Move::Forward: shown += 1; break;
    case Move::WeekBack: shown -= 7; break;
    case Move::WeekForward: shown += 7; break;
    case Move::Today: shown = today; break;
    case Move::ToggleWeek: week = !week; return true;
    }
    // A page that would pass an end stops on it.
    shown = std::clamp(shown, first, today);
    return shown != before;
}

std::array<DayNumber, 7> weekOf(DayNumber last) {
    std::array<DayNumber, 7> days{};
    for (int i = 0; i < 7; ++i) days[static_cast<size_t>(i)] = last - 6 + i;
    return days;
}

std::string dateLabel(DayNumber day, bool withYear) {
    static const char* const weekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
    const history::CivilDate date = history::civilOf(day);
    const char* weekday = weekdays[history::weekdayOf(day)];
    return withYear ? draw::format("%04d/%02d/%02d(%s)", date.year, date.month, date.day, weekday)
                    : draw::format("%02d/%02d(%s)", date.month, date.day, weekday);
}

std::string caption(const Browser& browser) {
    if (browser.week) return dateLabel(browser.shown) + "までの1週間";
    if (browser.shown == browser.today) return "現在までの作業状況";
    return dateLabel(browser.shown) + "の作業状況";
}

namespace {

struct Totals {
    uint32_t work = 0, rest = 0;
};

Totals totalsOf(const DayRecord& day) {
    const std::array<uint32_t, MinuteCodeCount> count = countMinutes(day);
    return Totals{count[MinuteWorking] + count[MinuteWorkOver], count[MinuteResting] + count[MinuteRestOver]};
}

std::string hoursAndMinutes(uint32_t minutes) { return draw::format("%u時間%02u分", minutes / 60, minutes % 60); }

}  // namespace

std::string totalsText(const std::vector<const DayRecord*>& days) {
    Totals sum;
    bool any = false;
    for (const DayRecord* day : days) {
        if (!day) continue;
        const Totals t = totalsOf(*day);
        sum.work += t.work, sum.rest += t.rest, any = true;
    }
    if (!any) return "記録なし";
    return "作業 " + hoursAndMinutes(sum.work) + "　休憩 " + hoursAndMinutes(sum.rest);
}

draw::DisplayList paintDay(const DayRecord* day) {
    static const DayRecord empty{};
    return workstatus::paint((day ? day : &empty)->minutes);
}

draw::DisplayList paintWeek(const std::array<const DayRecord*, 7>& days, DayNumber last) {
    static const DayRecord empty{};
    draw::DisplayList list;
    workstatus::paintHourLabels(list);
    const std::array<DayNumber, 7> dates = weekOf(last);
    for (size_t i = 0; i < days.size(); ++i) {
        const int dy = static_cast<int>(i) * WeekPitch;
        workstatus::paintStrip(list, (days[i] ? days[i] : &empty)->minutes, dy);
        const int top = workstatus::FrameTop + dy;
        list.push_back(draw::text(WeekLabelX, top + 8, workstatus::LabelFontHeight, workstatus::LabelColour,
                                  dateLabel(dates[i], false)));
        const std::string total = days[i] ? "作業 " + hoursAndMinutes(totalsOf(*days[i]).work) : "記録なし";
        list.push_back(draw::text(WeekLabelX, top + 26, workstatus::LabelFontHeight, workstatus::LabelColour, total));
    }
    return list;
}

}  // namespace workhistory
