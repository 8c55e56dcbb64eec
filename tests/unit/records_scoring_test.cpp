// The five scores, the radar points, the outstanding axis and the verdict table.
#include <gtest/gtest.h>

#include <functional>

#include "records/compiled_state.h"
#include "records/evaluate_state.h"

namespace {

class Scoring : public ::testing::Test {
protected:
    DayRecord today = emptyDayRecord(0);
    CompiledState compiled{today};
    EvaluateState& e = *compiled.evaluation;

    void setScores(std::array<int, 5> s) {
        for (int i = 0; i < 5; ++i) e.score[i] = static_cast<uint8_t>(s[i]);
    }
    std::string verdictFor(int records) {
        compiled.recordCount = records;
        e.chooseVerdict();
        return e.verdict;
    }
};

TEST_F(Scoring, EachScoreAcrossItsBands) {
    // The band limits are double constants: a single-precision 7.1 or 4.1 lies just below them.
    const struct {
        const char* name;
        std::function<void(EvaluateState&, float)> input;
        int axis;
        std::vector<std::pair<float, int>> rows;
    } scores[] = {
        {"seriousness", [](EvaluateState& e, float x) { e.overrunPerHour = x; }, Seriousness,
         {{0, 100}, {2.5f, 90}, {5, 80}, {7.5f, 70}, {15, 50}, {30, 20}, {40, 10}, {50, 6}, {-0.5f, 0}, {32.5f, 16}}},
        {"efficiency", [](EvaluateState& e, float x) { e.restPerWorkHour = x; }, Efficiency,
         {{12.5f, 100}, {12, 91}, {13, 90}, {17, 50}, {25, 16}, {7.1f, 39}, {3.9f, 14}, {0.5f, 0}, {0, 0}, {-3, 0},
          {15, 65}, {20, 32}, {10, 65}, {9.5f, 60}, {1, 4}, {2, 9}, {4.1f, 19}, {11.3f, 80}, {8.3f, 50}}},
        {"awareness", [](EvaluateState& e, float x) { e.usagePercent = x; }, Awareness,
         {{100, 100}, {67.5f, 50}, {45, 30}, {150, 200}, {177.5f, 255}, {90, 80}, {75, 60}, {82.5f, 70}, {15, 10},
          {0, 0}, {-5, 0}, {1.0e9f, 255}}},
        {"concentration", [](EvaluateState& e, float x) { e.setMinutes = static_cast<uint8_t>(x); }, Concentration,
         {{61, 98}, {62, 100}, {96, 100}, {97, 98}, {137, 18}, {255, 1}, {0, 0}, {11, 10}, {22, 20}, {41, 58},
          {106, 80}, {116, 60}, {126, 40}, {136, 20}}},
    };
    for (const auto& s : scores)
        for (auto [x, want] : s.rows) {
            EvaluateState fresh(&compiled);
            s.input(fresh, x);
            fresh.computeScores();
            EXPECT_EQ(fresh.score[s.axis], want) << s.name << " " << x;
        }

    // Effort follows the balance of rest to work overrun and the Seriousness score.
    const std::array<float, 3> effort[] = {{0, 100, 0},   {1, 100, 100}, {2, 90, 85},   {0.5f, 90, 85}, {2, 50, 55},
                                           {0.25f, 20, 10}, {3, 0, 0},    {0.5f, 100, 100}, {1, 80, 100}, {1, 79, 70}};
    for (const auto& [r, seriousness, want] : effort) {
        e.extensionBalance = r;
        e.score[Seriousness] = static_cast<uint8_t>(seriousness);
        EXPECT_EQ(e.scoreEffort(), want) << "r=" << r << " s=" << seriousness;
    }

    // The total is the truncated mean of the clamped scores: 100, 100, 200, 100, 18.
    e.overrunPerHour = 0;
    e.restPerWorkHour = 12.5f;
    e.usagePercent = 150;
    e.extensionBalance = 1;
    e.setMinutes = 137;
    e.computeScores();
    EXPECT_EQ(e.total, (100 + 100 + 200 + 100 + 18) / 5);
}

TEST_F(Scoring, ChartPoints) {
    const struct {
        std::array<int, 5> scores, x, y;
    } rows[] = {
        {{50, 50, 50, 50, 50}, {409, 442, 429, 389, 376}, {165, 189, 228, 228, 189}},
        {{100, 100, 255, 100, 0}, {409, 476, 513, 368, 409}, {130, 178, 345, 257, 200}},
    };
    for (const auto& r : rows) {
        setScores(r.scores);
        e.computeChartPoints();
        EXPECT_EQ(std::vector<int>(e.chartX, e.chartX + 5), std::vector<int>(r.x.begin(), r.x.end()));
        EXPECT_EQ(std::vector<int>(e.chartY, e.chartY + 5), std::vector<int>(r.y.begin(), r.y.end()));
    }
}

TEST_F(Scoring, OutstandingAxisAndItsTieBreak) {
    const struct {
        std::array<int, 5> scores;
        int axis, value;  // axis -1: none stands out, value is the mean
    } rows[] = {
        {{50, 50, 50, 50, 57}, -1, 51},            // deviation 5 is not more than 5
        {{40, 60, 50, 50, 50}, Seriousness, -10},  // equal deviations: the lower axis wins
        {{50, 50, 50, 50, 80}, Concentration, 24},  // 80 - 56
    };
    for (const auto& r : rows) {
        setScores(r.scores);
        const Outstanding o = e.findOutstanding();
        EXPECT_EQ(o.axis.has_value() ? int(*o.axis) : -1, r.axis);
        EXPECT_EQ(o.value, r.value);
    }
}

// Every phrase of the table, each reached by scores and inputs that select its row, in each
// of the three columns (at both edges of each column's record counts).
TEST_F(Scoring, EveryPhraseIsReached) {
    struct Row {
        std::array<int, 5> s;
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
        setScores(row.s);
        e.restPerWorkHour = row.restPerWorkHour;
        e.extensionBalance = row.extensionBalance;
        e.setMinutes = static_cast<uint8_t>(row.setMinutes);
        for (int column = 0; column < 3; ++column)
            for (int n : counts[column]) EXPECT_EQ(verdictFor(n), row.phrase[column]) << "n=" << n;
        // Too little history: the table is not consulted, whatever the scores.
        for (int n : {0, 3}) EXPECT_EQ(verdictFor(n), "データがちょっと少ないっす。。") << "n=" << n;
    }

    // Worked examples from scores alone: all 80 at 100 records; Seriousness low and
    // Efficiency high at 10 records; Seriousness alone high at 200.
    e.restPerWorkHour = e.extensionBalance = 0;
    e.setMinutes = 0;
    const std::pair<std::array<int, 5>, int> examples[] = {
        {{80, 80, 80, 80, 80}, 100}, {{40, 60, 50, 50, 50}, 10}, {{100, 50, 50, 50, 50}, 200}};
    const char* verdicts[] = {"いつも疲れている人", "気分やさん", "高校三年間皆勤賞だった人"};
    for (int i = 0; i < 3; ++i) {
        setScores(examples[i].first);
        EXPECT_EQ(verdictFor(examples[i].second), verdicts[i]);
    }
}

}  // namespace
