// Compiling state.dat and today's record into the cumulative figures, and the helpers.
#include <gtest/gtest.h>

#include "records/arithmetic.h"
#include "records/compiled_state.h"
#include "records/minute_tally.h"
#include "tests/unit/records_test_util.h"

namespace {

TEST(RecordHelpers, ClampDivideAndCompareUnsigned) {
    EXPECT_EQ(ints(clampByte(-1), clampByte(int64_t{1} << 40), divOrZero(7, 0), divOrZero(-7, 2)), ints(0, 255, 0, -3));
    EXPECT_EQ(maxOf({3, 0xFFFFFFFFFFFFFFFFu, 7}), 0xFFFFFFFFFFFFFFFFu);
}

TEST(RecordHelpers, DaysInclusiveCountsLocalDatesAcrossDaylightSavingChanges) {
    using Local = std::array<int, 5>;  // year, month, day, hour, minute
    const struct {
        const char* zone;
        Local later, earlier;
        int days;
    } rows[] = {
        {"Europe/Berlin", {2024, 6, 1, 23, 59}, {2024, 6, 1, 0, 0}, 1},
        {"Europe/Berlin", {2024, 6, 2, 0, 1}, {2024, 6, 1, 23, 59}, 2},
        {"Europe/Berlin", {2024, 4, 2, 0, 30}, {2024, 3, 30, 23, 30}, 4},  // 31 March has 23 hours
        {"Europe/Berlin", {2024, 11, 1, 0, 0}, {2024, 3, 1, 23, 0}, 246},
        {"Europe/Berlin", {2024, 6, 1, 0, 0}, {2024, 6, 3, 0, 0}, -1},
        // 10 March 2024 has 23 hours: midnight to midnight is one hour short of two days.
        {"America/New_York", {2024, 3, 11, 0, 0}, {2024, 3, 9, 0, 0}, 3},
        {"America/New_York", {2024, 3, 11, 0, 5}, {2024, 3, 10, 23, 55}, 2},
    };
    auto time = [](const Local& t) { return localTime(t[0], t[1], t[2], t[3], t[4]); };
    for (const auto& r : rows) {
        ScopedTimeZone zone(r.zone);
        EXPECT_EQ(daysInclusive(time(r.later), time(r.earlier)), r.days) << r.zone << " " << r.days;
    }
}

class Compile : public DataFolderTest {
protected:
    ScopedTimeZone zone{"Europe/Berlin"};
    DayRecord today = emptyDayRecord(0);
    CompiledState compiled{today};

    void writeState(std::vector<DayRecord> records) {
        for (DayRecord& r : records) summarize(r);
        writeBytes("state.dat", imagesOf(records));
    }
    // 1 June: two identical sets, 08:00 to 10:19.
    static DayRecord firstOfJune() {
        DayRecord r = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 7, 30)));
        for (int offset : {0, 70}) {
            paint(r, at(8, 0) + offset, at(8, 49) + offset, MinuteWorking);
            paint(r, at(8, 50) + offset, at(8, 54) + offset, MinuteWorkOver);
            paint(r, at(8, 55) + offset, at(9, 4) + offset, MinuteResting);
            paint(r, at(9, 5) + offset, at(9, 9) + offset, MinuteRestOver);
        }
        return r;
    }
    // 3 June, today: 50 minutes of work, 10 of rest, 30 stopped.
    void thirdOfJuneToday() {
        today = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 3, 7, 55)));
        paint(today, at(8, 0), at(8, 49), MinuteWorking);
        paint(today, at(8, 50), at(8, 59), MinuteResting);
        paint(today, at(9, 0), at(9, 29), MinuteStopped);
    }
    // Today, 1 June at noon, painted with `runs` of {first, last, code}.
    void todayOfRuns(std::initializer_list<std::array<int, 3>> runs) {
        today = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 12, 0)));
        for (const auto& run : runs) paint(today, run[0], run[1], run[2]);
    }
    int share(int minute, int code) const { return compiled.minuteShare[minute][code]; }
};

TEST_F(Compile, WorkedExampleOfTheFirstAndThirdOfJune) {
    writeState({firstOfJune()});
    thirdOfJuneToday();
    EXPECT_TRUE(compiled.evaluate());
    const CompiledState& c = compiled;
    EXPECT_EQ(ints(c.recordCount, c.dayCount, c.workHours, c.restHours, c.restPerHour, c.workExtensionRatio,
                   c.restExtensionRatio, c.setAverage),
              ints(2, 3, 2, 0, 20, 4, 20, 66));
    EXPECT_EQ(c.avgWorkHours, 1.3333334f);
    EXPECT_EQ(c.avgRestHours, 0.33333334f);
    const EvaluateState& e = *compiled.evaluation;
    EXPECT_EQ(e.overrunPerHour, 6.6666665f);
    EXPECT_EQ(e.restPerWorkHour, 15.0f);
    EXPECT_EQ(e.usagePercent, 66.666664f);
    EXPECT_EQ(e.extensionBalance, 1.0f);
    EXPECT_EQ(e.setMinutes, 66);

    // Shares in steps of 2 % of the two records.
    const std::array<int, 3> shares[] = {
        {at(8, 0), MinuteWorking, 50}, {at(8, 0), MinuteNone, 0},         {at(8, 0), MinuteStopped, 0},
        {at(8, 50), MinuteWorkOver, 25}, {at(8, 50), MinuteResting, 25}, {at(9, 5), MinuteRestOver, 25},
        {at(9, 5), MinuteStopped, 25}, {at(3, 0), MinuteNone, 50},       {at(10, 0), MinuteNone, 25},
        {at(10, 0), MinuteWorkOver, 25}, {at(10, 20), MinuteNone, 50}};
    for (const auto& s : shares) EXPECT_EQ(share(s[0], s[1]), s[2]) << s[0] << " code " << s[1];

    EXPECT_EQ(ints(today.runCount[MinuteWorking], today.meanRun[MinuteStopped]), ints(1, 30));  // summarized in place
    // 73 (6.67 overrun/h), 65 (15 min/h), 48 (66.7 %), 70 (balance 1 at 73), 100 (66 min).
    EXPECT_EQ(std::vector<int>(e.score, e.score + 5), (std::vector<int>{73, 65, 48, 70, 100}));
    EXPECT_EQ(e.total, 71);
    EXPECT_STREQ(e.verdict, "データがちょっと少ないっす。。");  // two records only

    // Without state.dat nothing is evaluated and the earlier figures stay; a report opened
    // before any evaluation shows a zero score and the short-data verdict.
    std::remove(pathOf("state.dat").c_str());
    EXPECT_FALSE(compiled.evaluate());
    EXPECT_EQ(ints(c.recordCount, c.workHours, e.total), ints(0, 2, 71));
    CompiledState fresh(today);
    EXPECT_FALSE(fresh.evaluate());
    EXPECT_EQ(fresh.evaluation->total, 0);
    EXPECT_STREQ(fresh.evaluation->verdict, "データがちょっと少ないっす。。");
}

TEST_F(Compile, TrailingPieceIsIgnoredAndAnEmptyFileCountsFromToday) {
    thirdOfJuneToday();
    writeBytes("state.dat", std::vector<uint8_t>(1000, 1));
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(ints(compiled.recordCount, compiled.dayCount), ints(1, 1));
    EXPECT_EQ(compiled.evaluation->usagePercent, 100.0f);

    writeState({firstOfJune()});
    std::vector<uint8_t> bytes = readBytes("state.dat");
    bytes.resize(bytes.size() + 700, 3);
    writeBytes("state.dat", bytes);
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(ints(compiled.recordCount, compiled.dayCount), ints(2, 3));
}

TEST_F(Compile, SameDateTwiceCountsRecordsNotDays) {
    DayRecord again = firstOfJune();
    again.startTime += 3600;  // the clock was set back and the same date recorded again
    writeState({firstOfJune(), again});
    thirdOfJuneToday();
    today.startTime = static_cast<uint32_t>(localTime(2024, 6, 1, 20, 0));
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(ints(compiled.recordCount, compiled.dayCount), ints(3, 1));
    EXPECT_EQ(compiled.evaluation->usagePercent, 300.0f);
}

TEST_F(Compile, ByteFieldsClampOrWrapAndAShortWorkDayGivesNoRestPerHour) {
    DayRecord r = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 6, 0)));
    paint(r, at(6, 0), at(6, 59), MinuteWorking);
    paint(r, at(7, 0), at(7, 59), MinuteStopped);
    paint(r, at(8, 0), at(8, 59), MinuteWorking);
    writeState({r});
    todayOfRuns({{at(6, 0), at(9, 59), MinuteWorking}, {at(10, 0), at(10, 59), MinuteWorkOver}});
    ASSERT_TRUE(compiled.compile());
    // Working 3 runs (60, 60, 240: 360 minutes), WorkOver 1 (60): a set is 360/3 + 60 x 1/3.
    // The overrun per 60 work minutes is 60 x 60 / 360; there is no rest at all.
    EXPECT_EQ(ints(compiled.setAverage, compiled.workExtensionRatio, compiled.restPerHour), ints(140, 10, 0));

    // One set of 50 minutes of work and 250 of overrun: 300 minutes stored as 44; the
    // overrun per 60 work minutes, 300, is stored as 255.
    writeState({});
    todayOfRuns({{at(6, 0), at(6, 49), MinuteWorking}, {at(6, 50), at(10, 59), MinuteWorkOver}});
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(ints(compiled.setAverage, compiled.workExtensionRatio), ints(300 % 256, 255));

    todayOfRuns({{at(6, 0), at(6, 29), MinuteWorking}, {at(6, 30), at(6, 39), MinuteResting}});
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(compiled.avgWorkHours, 0.5f);
    EXPECT_EQ(compiled.restPerHour, 0);  // whole work hours per day: 0
    EXPECT_EQ(compiled.evaluation->restPerWorkHour, 20.0f);
}

TEST_F(Compile, DamagedMinuteBytesAreCountedNowhere) {
    DayRecord r = firstOfJune();
    for (int m = 0; m < 100; ++m) r.minutes[m] = static_cast<int8_t>(6 + m);  // 6..105
    r.minutes[200] = -128;
    writeState({r});
    thirdOfJuneToday();
    ASSERT_TRUE(compiled.compile());
    for (int m : {0, 50, 99, 200}) {
        int sum = 0;
        for (int c = 0; c < 6; ++c) sum += share(m, c);
        EXPECT_EQ(sum, 25) << m;  // only today's record has a code there
    }
}

// Every way of sweeping the minute bytes counts the same as a plain loop, over groups larger
// than a byte counter holds and with damaged bytes of every value.
TEST(MinuteTallyPaths, AgreeWithAPlainCount) {
    const size_t n = 600;
    std::vector<uint8_t> images(n * DayRecordSize);
    std::vector<uint32_t> expected(MinuteCodeCount * MinutesPerDay, 0);
    uint32_t seed = 7;
    for (size_t r = 0; r < n; ++r)
        for (size_t m = 0; m < MinutesPerDay; ++m) {
            seed = seed * 1664525u + 1013904223u;
            const uint32_t pick = (seed >> 16) % 100;
            // mostly codes 0..5; every twentieth byte anything at all; a long run of 3s
            const uint8_t v = static_cast<uint8_t>(r < 300 && m < 100 ? 3 : pick < 95 ? pick % 6 : seed >> 24);
            images[r * DayRecordSize + m] = v;
            if (v < MinuteCodeCount) ++expected[v * MinutesPerDay + m];
        }
    int tried = 0;
    for (TallyPath path : {TallyPath::Plain, TallyPath::Sse2, TallyPath::Avx2}) {
        if (!MinuteTally::usePath(path)) continue;
        ++tried;
        MinuteTally tally;
        tally.add(images.data(), 1);
        tally.add(images.data() + DayRecordSize, n - 1);
        for (int c = 0; c < MinuteCodeCount; ++c)
            for (size_t m = 0; m < MinutesPerDay; ++m)
                ASSERT_EQ(tally.days(c, m), expected[c * MinutesPerDay + m]) << "path " << static_cast<int>(path);
    }
    MinuteTally::useBestPath();
    EXPECT_GE(tried, 1);
}

}  // namespace
