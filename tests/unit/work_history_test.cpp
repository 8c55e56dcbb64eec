// Looking back in 作業状況: dates, finding a day in state.dat, the texts, the moves and the week's painting.
#include <gtest/gtest.h>

#include "dialogs/work_history.h"
#include "dialogs/work_status_painter.h"
#include "records/arithmetic.h"
#include "tests/support/test_env.h"

namespace {

using namespace history;
using workhistory::Move;

// A summarized day begun at 08:xx local time with `code` from minute `first` to `last`.
DayRecord dayOf(int y, int m, int d, int first = 480, int last = 539, int code = MinuteWorking) {
    DayRecord r = emptyDayRecord(static_cast<uint32_t>(localTime(y, m, d, 8, d % 60)));
    for (int i = first; i <= last; ++i) r.minutes[i] = static_cast<int8_t>(code);
    summarize(r);
    return r;
}

TEST(HistoryDates, CivilDaysRoundTripWithTheirWeekdays) {
    const std::tuple<int, int, int, DayNumber, int> table[] = {
        {1970, 1, 1, 0, 4}, {2000, 2, 29, 11016, 2}, {2000, 3, 1, 11017, 3}, {2026, 12, 5, 20792, 6}, {1969, 12, 31, -1, 3}};
    for (const auto& [y, m, d, number, weekday] : table) {
        EXPECT_EQ(ints(dayNumberOf(y, m, d), weekdayOf(number)), ints(number, weekday)) << y << m << d;
        const CivilDate c = civilOf(number);
        EXPECT_EQ(ints(c.year, c.month, c.day), ints(y, m, d));
    }
    for (DayNumber n = 10900; n < 11300; ++n) {  // through a leap day, month ends and a year end
        const CivilDate c = civilOf(n), next = civilOf(n + 1);
        EXPECT_EQ(dayNumberOf(c.year, c.month, c.day), n);
        EXPECT_TRUE(next.day == c.day + 1 || (next.day == 1 && (next.month == c.month % 12 + 1)));
    }
}

TEST(HistoryDates, CaptionsAndTotalsCountEveryMinute) {
    workhistory::Browser b(dayNumberOf(2026, 12, 7), dayNumberOf(2026, 1, 1));
    EXPECT_EQ(workhistory::caption(b), "現在までの作業状況");
    b.apply(Move::Back), b.apply(Move::Back);
    EXPECT_EQ(workhistory::caption(b), "2026/12/05(土)の作業状況");
    b.apply(Move::ToggleWeek);
    EXPECT_EQ(workhistory::caption(b), "2026/12/05(土)までの1週間");

    DayRecord day = emptyDayRecord(1);
    day.minutes[1] = day.minutes[2] = MinuteWorkOver;  // between the strip's columns, yet counted
    for (int i = 600; i < 663; ++i) day.minutes[i] = MinuteWorking;
    for (int i = 700; i < 709; ++i) day.minutes[i] = MinuteRestOver;
    day.minutes[800] = MinuteResting, day.minutes[900] = MinuteStopped;
    DayRecord full = emptyDayRecord(1);
    std::fill(std::begin(full.minutes), std::end(full.minutes), MinuteWorking);
    EXPECT_EQ(workhistory::totalsText({&day}), "作業 1時間05分　休憩 0時間10分");
    EXPECT_EQ(workhistory::totalsText({&full, nullptr, &day}), "作業 25時間05分　休憩 0時間10分");
    EXPECT_EQ(workhistory::totalsText({nullptr, nullptr}), "記録なし");
}

TEST(HistoryBrowser, MovesStayBetweenTheFirstDayAndTodayWithTheButtonsToMatch) {
    workhistory::Browser b(1000, 990);
    // move, shown after it, changed, 前日 enabled, 翌日 enabled
    const std::tuple<Move, DayNumber, bool, bool, bool> steps[] = {
        {Move::Forward, 1000, false, true, false}, {Move::Back, 999, true, true, true},
        {Move::WeekBack, 992, true, true, true},   {Move::WeekBack, 990, true, false, true},
        {Move::Back, 990, false, false, true},     {Move::WeekForward, 997, true, true, true},
        {Move::Today, 1000, true, true, false},    {Move::WeekForward, 1000, false, true, false}};
    for (const auto& [move, shown, changed, back, forward] : steps) {
        EXPECT_EQ(b.apply(move), changed) << shown;
        EXPECT_EQ(ints(b.shown, b.canGoBack(), b.canGoForward()), ints(shown, back, forward));
    }
    EXPECT_FALSE(workhistory::Browser(1000, 1005).canGoBack());  // a first day after today: today only
}

class HistoryFile : public DataFolderTest {
protected:
    ScopedTimeZone zone{"JST-9"};
    void write(const std::vector<DayRecord>& days, size_t tornBytes = 0) {
        std::vector<uint8_t> bytes;
        for (const DayRecord& d : days) {
            const DayRecordImage image = encodeDayRecord(d);
            bytes.insert(bytes.end(), image.begin(), image.end());
        }
        bytes.resize(bytes.size() + tornBytes, 1);
        writeBytes(StateFileName, bytes);
    }
};

TEST_F(HistoryFile, FindsEachDayDespiteARecordOutOfLineADoubleDateAndDamage) {
    std::vector<DayRecord> days;
    for (int d = 1; d <= 30; ++d) {
        if (d % 7 == 3) continue;  // the program did not run on the 3rd, 10th, ...
        days.push_back(dayOf(2026, 11, d));
        if (d == 7) days.back().minutes[700] = 9;                   // damaged: not a day
        if (d == 28) days.back().runCount[MinuteWorking] = 7;       // overwritten summary
        if (d == 16) days.push_back(dayOf(2031, 5, 5));  // a clock set years ahead, where the search looks first
        if (d == 22) days.push_back(dayOf(2026, 11, 20, 600, 601, MinuteResting));  // then set back two days
    }
    write(days, 700);
    DayFile file(datafiles::pathOf(StateFileName).c_str());
    ASSERT_EQ(file.count(), days.size());
    for (int d = 1; d <= 30; ++d) {
        const std::vector<DayRecord> found = file.find(dayNumberOf(2026, 11, d));
        const bool damaged = d == 7 || d == 28;
        EXPECT_EQ(found.size(), d % 7 == 3 || damaged ? 0u : d == 20 ? 2u : 1u) << d;
        for (const DayRecord& r : found) EXPECT_TRUE(sameLocalDate(r.startTime, localTime(2026, 11, d, 12))) << d;
    }
    const DayRecord twenty = mergedDay(file.find(dayNumberOf(2026, 11, 20)));
    EXPECT_EQ(ints(twenty.minutes[480], twenty.minutes[600], twenty.runCount[MinuteResting]),
              ints(MinuteWorking, MinuteResting, 1));
    DayNumber first = 0;
    ASSERT_TRUE(file.firstDay(first));
    EXPECT_EQ(first, dayNumberOf(2026, 11, 1));
}

TEST_F(HistoryFile, TodayIsTheLiveRecordAndWaitingDaysCountAsHeld) {
    write({dayOf(2026, 11, 28), dayOf(2026, 11, 29)});
    const DayNumber today = dayNumberOf(2026, 12, 2);
    DayRecord live = dayOf(2026, 12, 1);  // a tick after midnight has not come yet
    workhistory::DayBook book(live, {dayOf(2026, 11, 30, 0, 1439), dayOf(2026, 11, 20)}, pathOf(StateFileName), today);
    EXPECT_EQ(book.find(today), &live);
    EXPECT_EQ(book.find(today - 1), &live);
    ASSERT_NE(book.find(today - 2), nullptr);
    EXPECT_EQ(workhistory::totalsText({book.find(today - 2)}), "作業 24時間00分　休憩 0時間00分");
    EXPECT_NE(book.find(today - 3), nullptr);
    EXPECT_EQ(book.find(today - 5), nullptr);
    EXPECT_EQ(book.firstDay(), dayNumberOf(2026, 11, 20));
}

TEST(HistoryWeek, SevenStripsUnderOneRowOfHoursEachLabelledWithItsDateAndWork) {
    DayRecord worked = emptyDayRecord(1);
    worked.minutes[3] = MinuteWorking, worked.minutes[4] = MinuteWorking, worked.minutes[1437] = MinuteResting;
    std::array<const DayRecord*, 7> days{};
    days[1] = days[6] = &worked;
    const draw::DisplayList list = workhistory::paintWeek(days, dayNumberOf(2026, 12, 5));
    std::vector<std::string> labels;
    std::vector<std::vector<int64_t>> columns;
    for (const draw::DrawOp& op : list) {
        if (op.kind == draw::Kind::Text && op.points[0].x == workhistory::WeekLabelX)
            labels.push_back(draw::format("%d ", op.points[0].y) + op.text);
        if (op.kind == draw::Kind::Rectangle) columns.push_back(ints(op.points[0].x, op.points[0].y, op.points[1].y, op.brush));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"43 11/29(日)", "61 記録なし", "99 11/30(月)", "117 作業 0時間02分",
                                                "155 12/01(火)", "173 記録なし", "211 12/02(水)", "229 記録なし",
                                                "267 12/03(木)", "285 記録なし", "323 12/04(金)", "341 記録なし",
                                                "379 12/05(土)", "397 作業 0時間02分"}));
    const draw::Colour red = draw::rgb(255, 34, 68), blue = draw::rgb(34, 85, 255);
    EXPECT_EQ(columns, (std::vector<std::vector<int64_t>>{ints(11, 109, 123, red), ints(489, 109, 123, blue),
                                                          ints(11, 389, 403, red), ints(489, 389, 403, blue)}));
    draw::DisplayList single;  // the same strip, the same painter: the week's first row is the single day's
    workstatus::paintStrip(single, worked.minutes, workhistory::WeekPitch);
    const draw::Bounds b = draw::boundsOf(list), one = draw::boundsOf(workhistory::paintDay(&worked));
    EXPECT_EQ(ints(b.left, b.top, b.bottom), ints(one.left, one.top, one.bottom + workhistory::WeekGrowth));
    EXPECT_LT(b.right, workhistory::WeekClientWidth);
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const draw::DrawOp& op) { return op.kind == draw::Kind::Line; }),
              7 * std::count_if(single.begin(), single.end(), [](const draw::DrawOp& op) { return op.kind == draw::Kind::Line; }));
}

}  // namespace
