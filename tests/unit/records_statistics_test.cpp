// Compiling state.dat and today's record into the cumulative figures, and the helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "records/arithmetic.h"
#include "records/compiled_state.h"
#include "records/minute_tally.h"
#include "tests/support/test_env.h"
#include "tests/unit/records_test_util.h"

namespace {

TEST(RecordHelpers, ClampAndDivide) {
    EXPECT_EQ(clampByte(-1), 0);
    EXPECT_EQ(clampByte(0), 0);
    EXPECT_EQ(clampByte(255), 255);
    EXPECT_EQ(clampByte(256), 255);
    EXPECT_EQ(clampByte(int64_t{1} << 40), 255);
    EXPECT_EQ(divOrZero(7, 0), 0);
    EXPECT_EQ(divOrZero(-7, 2), -3);
    EXPECT_EQ(divOrZeroF(1.0f, 0.0f), 0.0);
    EXPECT_EQ(divOrZeroF(2.0f, 3.0f), 2.0 / 3.0);
    EXPECT_EQ(maxOf({3, 0xFFFFFFFFu, 7}), 0xFFFFFFFFu);
    EXPECT_EQ(maxOf({5}), 5u);
}

TEST(RecordHelpers, TenthsDigitIsCutNotRounded) {
    EXPECT_EQ(tenthsDigit(0.7f), 7);
    EXPECT_EQ(tenthsDigit(2.35f), 3);
    EXPECT_EQ(tenthsDigit(1.96f), 9);
    EXPECT_EQ(tenthsDigit(12.25f), 2);
    EXPECT_EQ(tenthsDigit(0.0f), 0);
}

TEST(RecordHelpers, DaysInclusiveCountsLocalDates) {
    ScopedTimeZone zone("Europe/Berlin");
    EXPECT_EQ(daysInclusive(localTime(2024, 6, 1, 23, 59), localTime(2024, 6, 1, 0, 0)), 1);
    EXPECT_EQ(daysInclusive(localTime(2024, 6, 2, 0, 1), localTime(2024, 6, 1, 23, 59)), 2);
    // Across the spring change (31 March 2024 has 23 hours): a late time on the first day to
    // an early time on the last still counts every date.
    EXPECT_EQ(daysInclusive(localTime(2024, 4, 2, 0, 30), localTime(2024, 3, 30, 23, 30)), 4);
    EXPECT_EQ(daysInclusive(localTime(2024, 11, 1, 0, 0), localTime(2024, 3, 1, 23, 0)), 246);
    EXPECT_EQ(daysInclusive(localTime(2024, 6, 1), localTime(2024, 6, 3)), -1);
}

TEST(RecordHelpers, DaysInclusiveAcrossNewYorkSpringChange) {
    ScopedTimeZone zone("America/New_York");
    // 10 March 2024 has 23 hours; midnight to midnight is one hour short of two days.
    EXPECT_EQ(daysInclusive(localTime(2024, 3, 11, 0, 0), localTime(2024, 3, 9, 0, 0)), 3);
    EXPECT_EQ(daysInclusive(localTime(2024, 3, 11, 0, 5), localTime(2024, 3, 10, 23, 55)), 2);
}

class Compile : public DataFolderTest {
protected:
    ScopedTimeZone zone{"Europe/Berlin"};
    DayRecord today = emptyDayRecord(0);
    CompiledState compiled{today};

    void writeState(const std::vector<DayRecord>& records) {
        std::vector<DayRecord> summarized = records;
        for (DayRecord& r : summarized) summarize(r);
        writeBytes("state.dat", imagesOf(summarized));
    }

    // The first of June of the worked example: two identical sets, 08:00 to 10:19.
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
    void thirdOfJuneToday() {
        today = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 3, 7, 55)));
        paint(today, at(8, 0), at(8, 49), MinuteWorking);
        paint(today, at(8, 50), at(8, 59), MinuteResting);
        paint(today, at(9, 0), at(9, 29), MinuteStopped);
    }
};

TEST_F(Compile, WorkedExample) {
    writeState({firstOfJune()});
    thirdOfJuneToday();
    compiled.evaluate();
    EXPECT_EQ(compiled.recordCount, 2);
    EXPECT_EQ(compiled.dayCount, 3);
    EXPECT_EQ(compiled.workHours, 2);
    EXPECT_EQ(compiled.restHours, 0);
    EXPECT_EQ(compiled.avgWorkHours, 1.3333334f);
    EXPECT_EQ(compiled.avgRestHours, 0.33333334f);
    EXPECT_EQ(compiled.restPerHour, 20);
    EXPECT_EQ(compiled.workExtensionRatio, 4);
    EXPECT_EQ(compiled.restExtensionRatio, 20);
    EXPECT_EQ(compiled.setAverage, 66);
    const EvaluateState& e = *compiled.evaluation;
    EXPECT_EQ(e.overrunPerHour, 6.6666665f);
    EXPECT_EQ(e.restPerWorkHour, 15.0f);
    EXPECT_EQ(e.usagePercent, 66.666664f);
    EXPECT_EQ(e.extensionBalance, 1.0f);
    EXPECT_EQ(e.setMinutes, 66);

    auto share = [&](int minute, int code) { return static_cast<int>(compiled.minuteShare[minute][code]); };
    EXPECT_EQ(share(at(8, 0), MinuteWorking), 50);
    for (int c : {0, 2, 3, 4, 5}) EXPECT_EQ(share(at(8, 0), c), 0) << c;
    EXPECT_EQ(share(at(8, 50), MinuteWorkOver), 25);
    EXPECT_EQ(share(at(8, 50), MinuteResting), 25);
    EXPECT_EQ(share(at(9, 5), MinuteRestOver), 25);
    EXPECT_EQ(share(at(9, 5), MinuteStopped), 25);
    EXPECT_EQ(share(at(3, 0), MinuteNone), 50);
    EXPECT_EQ(share(at(10, 0), MinuteNone), 25);
    EXPECT_EQ(share(at(10, 0), MinuteWorkOver), 25);
    EXPECT_EQ(share(at(10, 20), MinuteNone), 50);

    // Today's record was summarized in place.
    EXPECT_EQ(today.runCount[MinuteWorking], 1);
    EXPECT_EQ(today.meanRun[MinuteStopped], 30);

    // Scores: 73 (6.67 overrun/h), 65 (15 min/h), 48 (66.7 %), 70 (balance 1 at 73), 100 (66 min).
    const uint8_t want[5] = {73, 65, 48, 70, 100};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(e.score[i], want[i]) << i;
    EXPECT_EQ(e.total, 71);
    EXPECT_STREQ(e.verdict, "データがちょっと少ないっす。。");  // two records only
}

TEST_F(Compile, WithoutStateFileNothingIsEvaluated) {
    writeState({firstOfJune()});
    thirdOfJuneToday();
    compiled.evaluate();
    const uint8_t total = compiled.evaluation->total;
    std::remove(pathOf("state.dat").c_str());
    EXPECT_FALSE(compiled.compile());
    compiled.evaluate();
    EXPECT_EQ(compiled.recordCount, 0);
    EXPECT_EQ(compiled.workHours, 2);  // the earlier figures stay
    EXPECT_EQ(compiled.evaluation->total, total);
}

TEST_F(Compile, TrailingPieceIsIgnoredAndAnEmptyFileCountsFromToday) {
    thirdOfJuneToday();
    writeBytes("state.dat", std::vector<uint8_t>(1000, 1));
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(compiled.recordCount, 1);
    EXPECT_EQ(compiled.dayCount, 1);
    EXPECT_EQ(compiled.evaluation->usagePercent, 100.0f);

    writeState({firstOfJune()});
    std::vector<uint8_t> bytes = readBytes("state.dat");
    bytes.resize(bytes.size() + 700, 3);
    writeBytes("state.dat", bytes);
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(compiled.recordCount, 2);
    EXPECT_EQ(compiled.dayCount, 3);
}

TEST_F(Compile, SameDateTwiceAndDaysWithoutRunning) {
    DayRecord a = firstOfJune();
    DayRecord b = firstOfJune();
    b.startTime += 3600;  // the clock was set back and the same date recorded again
    writeState({a, b});
    thirdOfJuneToday();
    today.startTime = static_cast<uint32_t>(localTime(2024, 6, 1, 20, 0));
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(compiled.recordCount, 3);
    EXPECT_EQ(compiled.dayCount, 1);
    EXPECT_EQ(compiled.evaluation->usagePercent, 300.0f);
}

TEST_F(Compile, ByteFieldsClampOrWrap) {
    // Working 300 minutes in one run, no other phase: a set of 300 minutes is stored as 44.
    DayRecord r = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 6, 0)));
    paint(r, at(6, 0), at(6, 59), MinuteWorking);
    paint(r, at(7, 0), at(7, 59), MinuteStopped);
    paint(r, at(8, 0), at(8, 59), MinuteWorking);
    writeState({r});
    today = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 12, 0)));
    paint(today, at(6, 0), at(9, 59), MinuteWorking);
    paint(today, at(10, 0), at(10, 59), MinuteWorkOver);
    ASSERT_TRUE(compiled.compile());
    // Runs: Working 3 (60, 60, 240 → 360 minutes), WorkOver 1 (60): one set's mean is 360/3
    // plus 60 × 1/3.
    EXPECT_EQ(compiled.setAverage, 140);
    EXPECT_EQ(compiled.workExtensionRatio, 10);  // 60 × 60 / 360
    EXPECT_EQ(compiled.restPerHour, 0);          // no rest at all

    // One set: 50 minutes of work and 250 of overrun, 300 minutes stored as 44; the overrun
    // per 60 work minutes, 300, is stored as 255.
    today = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 12, 0)));
    paint(today, at(6, 0), at(6, 49), MinuteWorking);
    paint(today, at(6, 50), at(10, 59), MinuteWorkOver);
    writeState({});
    ASSERT_TRUE(compiled.compile());
    EXPECT_EQ(compiled.setAverage, 300 % 256);
    EXPECT_EQ(compiled.workExtensionRatio, 255);
}

TEST_F(Compile, ShortWorkDayGivesNoRestPerHour) {
    writeState({});
    today = emptyDayRecord(static_cast<uint32_t>(localTime(2024, 6, 1, 12, 0)));
    paint(today, at(6, 0), at(6, 29), MinuteWorking);
    paint(today, at(6, 30), at(6, 39), MinuteResting);
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
        for (int c = 0; c < 6; ++c) sum += compiled.minuteShare[m][c];
        EXPECT_EQ(sum, 25) << m;  // only today's record has a code there
    }
}

}  // namespace

namespace {

// Every way of sweeping the minute bytes counts the same as a plain loop, over groups larger
// than a byte counter holds and with damaged bytes of every value.
TEST(MinuteTallyPaths, AgreeWithAPlainCount) {
    const size_t n = 600;
    std::vector<uint8_t> images(n * DayRecordSize);
    uint32_t seed = 7;
    for (size_t r = 0; r < n; ++r)
        for (size_t m = 0; m < MinutesPerDay; ++m) {
            seed = seed * 1664525u + 1013904223u;
            const uint32_t pick = (seed >> 16) % 100;
            // mostly codes 0..5; every twentieth byte anything at all; a long run of 3s
            images[r * DayRecordSize + m] = static_cast<uint8_t>(r < 300 && m < 100 ? 3 : pick < 95 ? pick % 6 : seed >> 24);
        }
    std::vector<uint32_t> expected(MinuteCodeCount * MinutesPerDay, 0);
    for (size_t r = 0; r < n; ++r)
        for (size_t m = 0; m < MinutesPerDay; ++m) {
            const uint8_t v = images[r * DayRecordSize + m];
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
