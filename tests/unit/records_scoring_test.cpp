// The five scores, the radar points, the outstanding axis and the verdict table.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "records/compiled_state.h"
#include "records/evaluate_state.h"

namespace {

class Scoring : public ::testing::Test {
protected:
    DayRecord today = emptyDayRecord(0);
    CompiledState compiled{today};
    EvaluateState& e = *compiled.evaluation;

    void setScores(int s0, int s1, int s2, int s3, int s4) {
        const int s[5] = {s0, s1, s2, s3, s4};
        for (int i = 0; i < 5; ++i) e.score[i] = static_cast<uint8_t>(s[i]);
    }
    std::string verdictFor(int records) {
        compiled.recordCount = records;
        e.chooseVerdict();
        return e.verdict;
    }
};

TEST_F(Scoring, FreshStateIsZeroWithTheShortDataVerdict) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e.score[i], 0);
        EXPECT_EQ(e.chartX[i], 0);
        EXPECT_EQ(e.chartY[i], 0);
    }
    EXPECT_EQ(e.total, 0);
    EXPECT_STREQ(e.verdict, "データがちょっと少ないっす。。");
}

TEST_F(Scoring, Seriousness) {
    const std::pair<float, int> cases[] = {{0.0f, 100}, {2.5f, 90}, {5.0f, 80}, {7.5f, 70}, {15.0f, 50},
                                           {30.0f, 20}, {40.0f, 10}, {50.0f, 6}, {-0.5f, 0}, {32.5f, 16}};
    for (auto [x, want] : cases) {
        e.overrunPerHour = x;
        EXPECT_EQ(e.scoreSeriousness(), want) << "x=" << x;
    }
}

// The band limits are double constants: a single-precision 7.1 or 4.1 lies just below them.
TEST_F(Scoring, Efficiency) {
    const std::pair<float, int> cases[] = {{12.5f, 100}, {12.0f, 91}, {13.0f, 90}, {17.0f, 50}, {25.0f, 16},
                                           {7.1f, 39},   {3.9f, 14},  {0.5f, 0},   {0.0f, 0},  {-3.0f, 0},
                                           {15.0f, 65},  {20.0f, 32}, {10.0f, 65}, {9.5f, 60}, {1.0f, 4},
                                           {2.0f, 9},    {4.1f, 19},  {11.3f, 80}, {8.3f, 50}};
    for (auto [x, want] : cases) {
        e.restPerWorkHour = x;
        EXPECT_EQ(e.scoreEfficiency(), want) << "x=" << x;
    }
}

TEST_F(Scoring, Awareness) {
    const std::pair<float, int> cases[] = {{100.0f, 100}, {67.5f, 50}, {45.0f, 30},   {150.0f, 200}, {177.5f, 255},
                                           {90.0f, 80},   {75.0f, 60}, {82.5f, 70},   {15.0f, 10},   {0.0f, 0},
                                           {-5.0f, 0},    {1.0e9f, 255}};
    for (auto [x, want] : cases) {
        e.usagePercent = x;
        e.computeScores();
        EXPECT_EQ(e.score[Awareness], want) << "x=" << x;
    }
}

TEST_F(Scoring, EffortFollowsTheBalanceAndSeriousness) {
    struct Case {
        float r;
        int seriousness;
        int want;
    };
    const Case cases[] = {{0.0f, 100, 0}, {1.0f, 100, 100}, {2.0f, 90, 85}, {0.5f, 90, 85}, {2.0f, 50, 55},
                          {0.25f, 20, 10}, {3.0f, 0, 0},    {0.5f, 100, 100}, {1.0f, 80, 100}, {1.0f, 79, 70}};
    for (const Case& c : cases) {
        e.extensionBalance = c.r;
        e.score[Seriousness] = static_cast<uint8_t>(c.seriousness);
        EXPECT_EQ(e.scoreEffort(), c.want) << "r=" << c.r << " s=" << c.seriousness;
    }
}

TEST_F(Scoring, Concentration) {
    const std::pair<int, int> cases[] = {{61, 98},  {62, 100}, {96, 100}, {97, 98},  {137, 18}, {255, 1}, {0, 0},
                                         {11, 10},  {22, 20},  {41, 58},  {106, 80}, {116, 60}, {126, 40}, {136, 20}};
    for (auto [b, want] : cases) {
        e.setMinutes = static_cast<uint8_t>(b);
        EXPECT_EQ(e.scoreConcentration(), want) << "b=" << b;
    }
}

TEST_F(Scoring, TotalIsTheTruncatedMean) {
    e.overrunPerHour = 0;       // 100
    e.restPerWorkHour = 12.5f;  // 100
    e.usagePercent = 150;       // 200
    e.extensionBalance = 1;     // 100 with Seriousness 100
    e.setMinutes = 137;         // 18
    e.computeScores();
    EXPECT_EQ(e.total, (100 + 100 + 200 + 100 + 18) / 5);
}

TEST_F(Scoring, ChartPoints) {
    setScores(50, 50, 50, 50, 50);
    e.computeChartPoints();
    const int x50[5] = {409, 442, 429, 389, 376}, y50[5] = {165, 189, 228, 228, 189};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e.chartX[i], x50[i]) << i;
        EXPECT_EQ(e.chartY[i], y50[i]) << i;
    }
    setScores(100, 100, 255, 100, 0);
    e.computeChartPoints();
    const int x[5] = {409, 476, 513, 368, 409}, y[5] = {130, 178, 345, 257, 200};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e.chartX[i], x[i]) << i;
        EXPECT_EQ(e.chartY[i], y[i]) << i;
    }
}

TEST_F(Scoring, OutstandingAxis) {
    setScores(50, 50, 50, 50, 57);  // deviation 5 is not more than 5
    Outstanding o = e.findOutstanding();
    EXPECT_FALSE(o.axis.has_value());
    EXPECT_EQ(o.value, 51);

    setScores(40, 60, 50, 50, 50);  // equal deviations: the lower axis wins
    o = e.findOutstanding();
    ASSERT_TRUE(o.axis.has_value());
    EXPECT_EQ(*o.axis, Seriousness);
    EXPECT_EQ(o.value, -10);

    setScores(50, 50, 50, 50, 80);
    o = e.findOutstanding();
    ASSERT_TRUE(o.axis.has_value());
    EXPECT_EQ(*o.axis, Concentration);
    EXPECT_EQ(o.value, 24);  // 80 - 56
}

TEST_F(Scoring, VerdictExamples) {
    setScores(80, 80, 80, 80, 80);
    EXPECT_EQ(verdictFor(100), "いつも疲れている人");
    setScores(40, 60, 50, 50, 50);
    EXPECT_EQ(verdictFor(10), "気分やさん");
    setScores(100, 50, 50, 50, 50);
    EXPECT_EQ(verdictFor(200), "高校三年間皆勤賞だった人");
    // Too little history: the table is not consulted, whatever the scores.
    EXPECT_EQ(verdictFor(3), "データがちょっと少ないっす。。");
    EXPECT_EQ(verdictFor(0), "データがちょっと少ないっす。。");
    EXPECT_EQ(verdictFor(4), "５分前行動が出来る人");
}

// Every phrase of the table, each reached by scores and inputs that select its row, in each
// of the three columns (at both edges of each column's record counts).
TEST_F(Scoring, EveryPhraseIsReached) {
    struct Row {
        int s[5];
        float restPerWorkHour, extensionBalance;
        int setMinutes;
        const char* phrase[3];
    };
    const Row rows[] = {
        {{90, 90, 90, 90, 90}, 12, 1, 80, {"良い感じ^^", "いい仕事してますね～^^", "見事！作者に連絡でプレゼント進呈^^"}},
        {{84, 85, 85, 85, 85}, 12, 1, 80, {"色々と良くはなさそうです。。", "いつも疲れている人", "あえて悪い評価を狙う人"}},
        {{100, 50, 50, 50, 50}, 12, 1, 80, {"５分前行動が出来る人", "予め集合場所の下見をする人", "高校三年間皆勤賞だった人"}},
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
    const int counts[3][2] = {{4, 30}, {31, 180}, {181, 100000}};
    for (const Row& row : rows) {
        setScores(row.s[0], row.s[1], row.s[2], row.s[3], row.s[4]);
        e.restPerWorkHour = row.restPerWorkHour;
        e.extensionBalance = row.extensionBalance;
        e.setMinutes = static_cast<uint8_t>(row.setMinutes);
        for (int column = 0; column < 3; ++column)
            for (int n : counts[column]) EXPECT_EQ(verdictFor(n), row.phrase[column]) << "n=" << n;
    }
}

TEST_F(Scoring, VerdictAlwaysFitsItsField) {
    setScores(90, 90, 90, 90, 90);
    for (int n : {4, 31, 181}) {
        verdictFor(n);
        EXPECT_LT(std::strlen(e.verdict), sizeof e.verdict);
        EXPECT_LE(std::strlen(e.verdict), 36u);
    }
}

}  // namespace
