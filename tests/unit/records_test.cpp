// The day record's run summary, the minute tallies, the scores and verdicts (compiled figures: the report tool's test).
#include <gtest/gtest.h>

#include "records/arithmetic.h"
#include "records/compiled_state.h"
#include "records/minute_tally.h"
#include "tests/support/test_env.h"

// 300 one-minute Working runs (count modulo 256), damaged bytes that end a run of no code, a mean clamped at 255.
TEST(DayRecord, RunSummaryPhaseCodesAndArithmetic) {
    DayRecord r = emptyDayRecord(0);
    for (int i = 0; i < 600; ++i) r.minutes[i] = static_cast<int8_t>(i % 2 ? MinuteResting : MinuteWorking);
    paint(r, 600, 1439, MinuteStopped);
    for (int m = 1000; m < 1100; ++m) r.minutes[m] = static_cast<int8_t>(m - 994);
    summarize(r);
    EXPECT_EQ(std::vector<int>(r.meanRun, r.meanRun + MinuteCodeCount), (std::vector<int>{0, 1, 0, 1, 0, 255}));
    EXPECT_EQ(std::vector<int>(r.runCount, r.runCount + MinuteCodeCount), (std::vector<int>{0, 300 % 256, 0, 300 % 256, 0, 2}));
    EXPECT_EQ(countMinutes(r)[MinuteStopped], 740u);
    for (auto [phase, code] : {std::pair{0, 5}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, -1}}) EXPECT_EQ(minuteCodeForPhase(phase), code);
    EXPECT_EQ(ints(clampByte(-1), clampByte(255), clampByte(256), divOrZero(7, 0), tenthsDigit(1.96f)), ints(0, 255, 255, 0, 9));
}

// Every way of sweeping the minute bytes counts as a plain loop, past what a byte counter holds, damaged bytes too.
TEST(MinuteTallyPaths, AgreeWithAPlainCount) {
    const size_t n = 600;
    std::vector<uint8_t> images(n * DayRecordSize);
    std::vector<uint32_t> expected(MinuteCodeCount * MinutesPerDay, 0);
    uint32_t seed = 7;
    for (size_t i = 0; i < images.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const size_t m = i % DayRecordSize;
        const uint8_t v = static_cast<uint8_t>(i < 300 * DayRecordSize && m < 100 ? 3 : (seed >> 16) % 100 < 95 ? (seed >> 16) % 6 : seed >> 24);
        images[i] = v;
        if (m < MinutesPerDay && v < MinuteCodeCount) ++expected[v * MinutesPerDay + m];
    }
    for (TallyPath path : {TallyPath::Plain, TallyPath::Sse2, TallyPath::Avx2}) {
        if (!MinuteTally::usePath(path)) continue;
        MinuteTally tally;
        tally.add(images.data(), 1);
        tally.add(images.data() + DayRecordSize, n - 1);
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(tally.days(static_cast<int>(i / MinutesPerDay), i % MinutesPerDay), expected[i]) << static_cast<int>(path);
    }
    MinuteTally::useBestPath();
}

// Both limits of every band of every score (just inside and just past each limit), then every verdict phrase.
TEST(Scoring, EveryBandAtBothLimitsAndEveryPhraseIsReached) {
    DayRecord today = emptyDayRecord(0);
    CompiledState compiled{today};
    EvaluateState& e = *compiled.evaluation;
    const struct { void (*input)(EvaluateState&, float); int axis; std::vector<std::pair<float, int>> rows; } scores[] = {
        {[](EvaluateState& s, float x) { s.overrunPerHour = x; }, Seriousness,
         {{-0.25f, 0}, {0, 100}, {5, 80}, {5.25f, 79}, {10, 60}, {10.25f, 59}, {20, 40}, {20.25f, 39}, {30, 20}, {30.25f, 19}, {50, 6}}},
        {[](EvaluateState& s, float x) { s.restPerWorkHour = x; }, Efficiency,
         {{-0.5f, 0}, {0, 0}, {0.5f, 0}, {2, 9}, {4.0f, 19}, {4.1f, 19}, {7.0f, 39}, {7.1f, 39}, {9.4f, 59}, {9.5f, 60}, {11.25f, 79},
          {11.3f, 80}, {12.25f, 95}, {12.5f, 100}, {12.75f, 95}, {13.5f, 80}, {13.75f, 77}, {15.5f, 60}, {15.75f, 58}, {18.5f, 40},
          {18.75f, 38}, {22.5f, 20}, {22.75f, 19}, {25, 16}}},
        {[](EvaluateState& s, float x) { s.usagePercent = x; }, Awareness,
         {{-1, 0}, {0, 0}, {15, 10}, {29.75f, 19}, {30, 20}, {59.75f, 39}, {60, 40}, {74.75f, 59}, {75, 60}, {89.75f, 79}, {90, 80}, {150, 200}, {177.5f, 255}}},
        {[](EvaluateState& s, float x) { s.setMinutes = static_cast<uint8_t>(x); }, Concentration,
         {{0, 0}, {1, 0}, {11, 10}, {21, 19}, {22, 20}, {31, 38}, {32, 40}, {41, 58}, {42, 60}, {51, 78}, {52, 80}, {61, 98}, {62, 100},
          {96, 100}, {97, 98}, {106, 80}, {107, 78}, {116, 60}, {117, 58}, {126, 40}, {127, 38}, {136, 20}, {137, 18}, {255, 1}}},
    };
    for (const auto& s : scores)
        for (auto [x, want] : s.rows) {
            e.reset();
            s.input(e, x);
            e.computeScores();
            EXPECT_EQ(e.score[s.axis], want) << "axis " << s.axis << " at " << x;
        }
    // Effort: the balance of rest to work overrun (or its inverse above 1) by Seriousness band.
    const std::array<float, 3> effort[] = {{0, 100, 0},  {0.5f, 1, 20},  {0.5f, 39, 20}, {0.5f, 40, 55}, {0.5f, 79, 55}, {0.5f, 80, 85},
                                           {0.5f, 99, 85}, {0.5f, 100, 100}, {1, 1, 40}, {1, 80, 100}, {2, 40, 55}, {3, 0, 0}, {4, 99, 77}};
    for (const auto& [r, seriousness, want] : effort) {
        e.extensionBalance = r;
        e.score[Seriousness] = static_cast<uint8_t>(seriousness);
        EXPECT_EQ(e.scoreEffort(), want) << "r=" << r << " s=" << seriousness;
    }
    // Every phrase in each column at both edges of its counts. Standing out: more than 5 from the mean, lowest on a tie.
    const struct { std::array<int, 5> s; float restPerWork, balance; uint8_t setMinutes; const char* phrase[3]; } rows[] = {
        {{85, 85, 85, 85, 85}, 12, 1, 80, {"良い感じ^^", "いい仕事してますね～^^", "見事！作者に連絡でプレゼント進呈^^"}},
        {{84, 85, 85, 85, 85}, 12, 1, 80, {"色々と良くはなさそうです。。", "いつも疲れている人", "あえて悪い評価を狙う人"}},
        {{50, 50, 50, 50, 57}, 12, 1, 80, {"色々と良くはなさそうです。。", "いつも疲れている人", "あえて悪い評価を狙う人"}},  // 5.6 over the mean
        {{100, 84, 50, 50, 50}, 12, 1, 80, {"５分前行動が出来る人", "予め集合場所の下見をする人", "高校三年間皆勤賞だった人"}},
        {{80, 65, 40, 40, 40}, 12, 1, 80, {"まじめなんだけどぉ…", "トケースレーブ", "作業と休憩のバランスを・・・"}},
        {{40, 60, 50, 50, 50}, 12, 1, 80, {"気分やさん", "計画？なにそれ？", "計画？あるよ。無計画という計画がね！"}},
        {{50, 80, 50, 50, 50}, 12, 1, 80, {"比較的疲れを知らない人", "夕方からエンジンがかかり始める人", "徹夜が嫌いではない感じ"}},
        {{50, 20, 50, 50, 50}, 9.99f, 1, 80, {"張り切りさん", "ハッスル星の住人", "企業戦士の鏡"}},
        {{50, 20, 50, 50, 50}, 10, 1, 80, {"休憩も仕事ですという人", "欧米Style！", "かろーし してたまるかっ！"}},
        {{50, 50, 90, 50, 50}, 12, 1, 80, {"いい人", "人は良い", "作業時間を見直してほしい"}},
        {{100, 100, 81, 100, 100}, 12, 1, 80, {"よさげ^^", "もう少し、このソフトを使うと。。", "もし、ソフトの起動頻度が上がると…"}},
        {{100, 100, 80, 100, 100}, 12, 1, 80, {"とりあえずソフトを使っただけ", "このソフト使えない…と思う人", "そういえばこんなソフト入れてたなぁ"}},
        {{50, 50, 50, 90, 50}, 12, 1, 80, {"こまめさん", "まめ な ひと", "豆 が 主食"}},
        {{50, 50, 50, 10, 50}, 12, 0.999f, 80, {"頑張っちゃう人", "仕事が夢に出てくる人", "もっと・かろーし"}},
        {{50, 50, 50, 10, 50}, 12, 1, 80, {"やや甘えたがりな性格", "誘惑に負ける自身があるヒト", "木靴をいつも履く人"}},
        {{50, 50, 50, 50, 90}, 12, 1, 80, {"標準的", "ごくごく標準的", "さらに、時間を守れるとGOOD"}},
        {{50, 50, 50, 50, 10}, 12, 1, 101, {"期限が迫ると頑張る人", "あなたしか見えないタイプ", "視野５度"}},
        {{50, 50, 50, 50, 10}, 12, 1, 100, {"小さく刻んでパーセーブ タイプ", "子供時代落ち着きがなかった人", "マイウェイ"}},
    };
    const int counts[4][2] = {{4, 30}, {31, 180}, {181, 100000}, {0, 3}};  // the last column: too few records
    for (const auto& row : rows) {
        for (int axis = 0; axis < 5; ++axis) e.score[axis] = static_cast<uint8_t>(row.s[axis]);
        e.restPerWorkHour = row.restPerWork, e.extensionBalance = row.balance, e.setMinutes = row.setMinutes;
        for (int column = 0; column < 4; ++column)
            for (int n : counts[column]) {
                compiled.recordCount = n;
                e.chooseVerdict();
                EXPECT_STREQ(e.verdict, column < 3 ? row.phrase[column] : "データがちょっと少ないっす。。") << "n=" << n;
            }
    }
}
