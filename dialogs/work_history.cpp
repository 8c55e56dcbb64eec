#include "dialogs/work_history.h"

#include <algorithm>
#include <utility>

#include "dialogs/work_status_painter.h"
#include "platform/texts.h"

namespace workhistory {

DayBook::DayBook(const DayRecord& liveRecord, std::vector<DayRecord> waitingDays, const std::string& path,
                 DayNumber todayDate)
    : live(liveRecord), today(todayDate), waiting(std::move(waitingDays)), statePath(path) {}

const DayRecord* DayBook::find(DayNumber day) {
    DayNumber liveDay = 0;
    if (day == today || (history::localDayOf(live.startTime, liveDay) && liveDay == day)) return &live;
    for (const auto& entry : looked)
        if (entry->day == day) return entry->found ? &entry->record : nullptr;
    std::vector<DayRecord> records = history::DayFile(statePath.c_str()).find(day);
    // The waiting days come after state.dat's: they were finished later.
    for (const DayRecord& record : waiting) {
        DayNumber date = 0;
        if (history::isSoundRecord(record) && history::localDayOf(record.startTime, date) && date == day)
            records.push_back(record);
    }
    looked.push_back(std::unique_ptr<Looked>(new Looked{day, !records.empty(), {}}));
    Looked& entry = *looked.back();
    if (!entry.found) return nullptr;
    entry.record = history::mergedDay(records);
    return &entry.record;
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
    const history::CivilDate date = history::civilOf(day);
    const char* weekday = texts::get(texts::Id(texts::Sunday + history::weekdayOf(day)));
    return withYear ? draw::format(texts::get(texts::DateWithYear), date.year, date.month, date.day, weekday)
                    : draw::format(texts::get(texts::DateWithoutYear), date.month, date.day, weekday);
}

std::string caption(const Browser& browser) {
    if (browser.shown == browser.today && !browser.week) return texts::get(texts::TodayCaption);
    return draw::format(texts::get(browser.week ? texts::WeekCaption : texts::DayCaption), dateLabel(browser.shown).c_str());
}

namespace {

struct Totals {
    uint32_t work = 0, rest = 0;
};

Totals totalsOf(const DayRecord& day) {
    const std::array<uint32_t, MinuteCodeCount> count = countMinutes(day);
    return Totals{count[MinuteWorking] + count[MinuteWorkOver], count[MinuteResting] + count[MinuteRestOver]};
}

std::string hoursAndMinutes(uint32_t minutes) {
    return draw::format(texts::get(texts::HoursMinutes), minutes / 60, minutes % 60);
}

}  // namespace

std::string totalsText(const std::vector<const DayRecord*>& days) {
    Totals sum;
    bool any = false;
    for (const DayRecord* day : days) {
        if (!day) continue;
        const Totals t = totalsOf(*day);
        sum.work += t.work, sum.rest += t.rest, any = true;
    }
    if (!any) return texts::get(texts::NoRecord);
    return draw::format(texts::get(texts::DayTotals), hoursAndMinutes(sum.work).c_str(), hoursAndMinutes(sum.rest).c_str());
}

// A day without a record paints as all-empty minutes. Not const, so that it takes no room
// in the program file (a zeroed constant would be stored byte by byte).
static DayRecord noRecord;

draw::DisplayList paintDay(const DayRecord* day) {
    return workstatus::paint((day ? day : &noRecord)->minutes);
}

draw::DisplayList paintWeek(const std::array<const DayRecord*, 7>& days, DayNumber last) {
    draw::DisplayList list;
    workstatus::paintHourLabels(list);
    const std::array<DayNumber, 7> dates = weekOf(last);
    for (size_t i = 0; i < days.size(); ++i) {
        const int dy = static_cast<int>(i) * WeekPitch;
        workstatus::paintStrip(list, (days[i] ? days[i] : &noRecord)->minutes, dy);
        const int top = workstatus::FrameTop + dy;
        list.push_back(draw::text(WeekLabelX, top + 8, workstatus::LabelFontHeight, workstatus::LabelColour,
                                  dateLabel(dates[i], false)));
        const std::string total = days[i] ? draw::format(texts::get(texts::DayWork), hoursAndMinutes(totalsOf(*days[i]).work).c_str())
                                          : std::string(texts::get(texts::NoRecord));
        list.push_back(draw::text(WeekLabelX, top + 26, workstatus::LabelFontHeight, workstatus::LabelColour, total));
    }
    return list;
}

}  // namespace workhistory
