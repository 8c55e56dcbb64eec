// The evaluation report's display list: figures, radar chart, minute chart, frame, caption.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/display_list.h"
#include "dialogs/evaluation_painter.h"
#include "dialogs/report_layout.h"
#include "records/compiled_state.h"
#include "records/evaluate_state.h"

namespace {

using draw::DrawOp;
using draw::Kind;
using draw::Point;
using draw::rgb;

class Report : public ::testing::Test {
protected:
    DayRecord today{};
    CompiledState state{today};
    EvaluateState& e() { return *state.evaluation; }

    draw::DisplayList paint() { return report::paint(state); }

    // The text drawn at (x, y); fails the test when there is none.
    DrawOp textAt(int x, int y) {
        for (const DrawOp& op : paint())
            if (op.kind == Kind::Text && op.points[0] == Point{x, y}) return op;
        ADD_FAILURE() << "no text at " << x << "," << y;
        return DrawOp{};
    }
    std::vector<DrawOp> polylines() {
        std::vector<DrawOp> out;
        for (const DrawOp& op : paint())
            if (op.kind == Kind::Polyline) out.push_back(op);
        return out;
    }
    // The bar lines of the column at x (between the frame's top and bottom lines).
    std::vector<DrawOp> barAt(int x) {
        std::vector<DrawOp> out;
        for (const DrawOp& op : paint())
            if (op.kind == Kind::Line && op.points[0].x == x && op.points[1].x == x && op.points[0].y >= 340 &&
                op.pen.colour != rgb(136, 136, 136) && op.pen.colour != rgb(50, 50, 50))
                out.push_back(op);
        return out;
    }
};

const Point OuterRing[6] = {{409, 130}, {476, 178}, {450, 257}, {368, 257}, {342, 178}, {409, 130}};

TEST_F(Report, FiguresAreFormattedRightAligned) {
    state.workHours = 1234;
    state.restHours = 5;
    state.recordCount = 12;
    state.dayCount = 30;
    state.avgWorkHours = 0.5f;
    state.avgRestHours = 12.25f;
    state.restPerHour = 7;
    state.workExtensionRatio = 255;
    state.restExtensionRatio = 0;
    state.setAverage = 66;
    e().total = 7;

    EXPECT_EQ(textAt(32, 138).text, " 1234時間");
    EXPECT_EQ(textAt(120, 138).text, "    5時間");
    EXPECT_EQ(textAt(207, 138).text, "  12/  30日");
    EXPECT_EQ(textAt(38, 196).text, " 0.5時間");
    EXPECT_EQ(textAt(127, 196).text, "12.2時間");  // cut, not rounded
    EXPECT_EQ(textAt(213, 196).text, "  7分/60分");
    EXPECT_EQ(textAt(26, 254).text, "255分/60分");
    EXPECT_EQ(textAt(115, 254).text, "  0分/60分");
    EXPECT_EQ(textAt(243, 254).text, " 66分");
    EXPECT_EQ(textAt(14, 180).text, "１日作業平均");
    EXPECT_EQ(textAt(196, 180).text, "休憩/作業比率");

    DrawOp score = textAt(423, 26);
    EXPECT_EQ(score.text, "  7点");
    EXPECT_EQ(score.fontHeight, 36);
    EXPECT_EQ(score.colour, rgb(248, 0, 23));
    e().total = 100;
    EXPECT_EQ(textAt(423, 26).text, "100点");
    EXPECT_EQ(textAt(38, 122).colour, rgb(50, 50, 50));
}

TEST_F(Report, VerdictSitsBetweenItsTwoPhrasesAndStaysInItsField) {
    std::strcpy(e().verdict, "いい人");
    DrawOp verdict = textAt(20, 33);
    EXPECT_EQ(verdict.text, "いい人");
    EXPECT_EQ(verdict.fontHeight, 22);
    EXPECT_EQ(textAt(9, 16).text, "あなたは");
    EXPECT_EQ(textAt(330, 63).text, "な気がします");

    std::memset(e().verdict, 'A', sizeof e().verdict);  // no terminator at all
    EXPECT_EQ(textAt(20, 33).text, std::string(128, 'A'));

    // The score's underline: the wide light stroke, then the narrow dark one on the same path.
    draw::DisplayList list = paint();
    std::vector<DrawOp> underline;
    for (const DrawOp& op : list)
        if (op.kind == Kind::Line && op.points[0] == Point{436, 67}) underline.push_back(op);
    ASSERT_EQ(underline.size(), 2u);
    EXPECT_EQ(underline[0].points[1], (Point{506, 67}));
    EXPECT_EQ(underline[0].pen, (draw::Pen{4, rgb(244, 79, 88)}));
    EXPECT_EQ(underline[1].pen, (draw::Pen{2, rgb(254, 17, 30)}));
}

TEST_F(Report, RadarGridThenScorePolygon) {
    for (int axis = 0; axis < 5; ++axis) e().score[axis] = 0;
    e().computeChartPoints();
    std::vector<DrawOp> lines = polylines();
    ASSERT_EQ(lines.size(), 12u);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(lines[i].points.size(), 6u);
        EXPECT_EQ(lines[i].points.front(), lines[i].points.back());  // closed
        EXPECT_EQ(lines[i].pen, (draw::Pen{i < 5 ? 2 : 1, i < 5 ? rgb(136, 136, 136) : rgb(50, 50, 50)}));
    }
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(lines[0].points[v], OuterRing[v]);
        EXPECT_EQ(lines[5].points[v], OuterRing[v]);
    }
    EXPECT_EQ(lines[4].points[2], (Point{417, 211}));  // the 20 % ring
    // All scores 0: the polygon collapses onto the centre.
    for (const Point& p : lines[10].points) EXPECT_EQ(p, (Point{409, 200}));
    EXPECT_EQ(lines[10].pen, (draw::Pen{4, rgb(137, 111, 236)}));
    EXPECT_EQ(lines[11].pen, (draw::Pen{3, rgb(50, 3, 255)}));

    for (int axis = 0; axis < 5; ++axis) e().score[axis] = 100;
    e().computeChartPoints();
    lines = polylines();
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(lines[10].points[v], OuterRing[v]);
        EXPECT_EQ(lines[11].points[v], OuterRing[v]);
    }

    const uint8_t scores[5] = {80, 7, 100, 45, 255};
    std::memcpy(e().score, scores, 5);
    EXPECT_EQ(textAt(370, 110).text, "真面目さ（ 80）");
    EXPECT_EQ(textAt(475, 182).text, "（  7）");
    EXPECT_EQ(textAt(446, 287).text, "（100）");
    EXPECT_EQ(textAt(325, 287).text, "（ 45）");
    EXPECT_EQ(textAt(290, 182).text, "（255）");
    EXPECT_EQ(textAt(295, 163).fontHeight, 14);
}

TEST_F(Report, MinuteChartStacksTheSharesDownFromTheTop) {
    state.minuteShare[600][MinuteWorking] = 50;  // 10:00 worked in every record: column 200
    state.minuteShare[601][MinuteResting] = 50;  // not a sampled minute
    state.minuteShare[603][MinuteWorking] = 10;  // column 201: 10 red, 20 blue, 5 grey
    state.minuteShare[603][MinuteResting] = 20;
    state.minuteShare[603][MinuteStopped] = 5;
    state.minuteShare[603][MinuteNone] = 15;     // no data is never drawn

    std::vector<DrawOp> full = barAt(220);
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0].points[0].y, 340);
    EXPECT_EQ(full[0].points[1].y, 390);  // pixels 340 to 389
    EXPECT_EQ(full[0].pen, (draw::Pen{1, rgb(255, 34, 68)}));

    std::vector<DrawOp> mixed = barAt(221);
    ASSERT_EQ(mixed.size(), 3u);
    EXPECT_EQ(mixed[0].points[1].y, 350);
    EXPECT_EQ(mixed[1].points[0].y, 350);
    EXPECT_EQ(mixed[1].points[1].y, 370);
    EXPECT_EQ(mixed[1].pen.colour, rgb(34, 85, 255));
    EXPECT_EQ(mixed[2].points[1].y, 375);
    EXPECT_EQ(mixed[2].pen.colour, rgb(144, 144, 144));

    EXPECT_TRUE(barAt(222).empty());
    // Impossible shares (a damaged table) stop at the frame, short of the caption.
    for (int c = 1; c <= 5; ++c) state.minuteShare[1437][c] = 255;
    std::vector<DrawOp> capped = barAt(499);
    ASSERT_FALSE(capped.empty());
    EXPECT_EQ(capped.back().points[1].y, 390);
}

TEST_F(Report, AreasInOrderWithFrameOverBarsAndCaptionLast) {
    for (int m = 0; m < 1440; m += 3) state.minuteShare[m][MinuteWorking] = 50;
    draw::DisplayList list = paint();
    auto indexOf = [&](const char* text) {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].kind == Kind::Text && list[i].text == text) return static_cast<int>(i);
        return -1;
    };
    const int verdictArea = indexOf("あなたは"), totals = indexOf("通算作業"), radar = indexOf("集中力");
    EXPECT_EQ(verdictArea, 0);
    EXPECT_LT(verdictArea, totals);
    EXPECT_LT(totals, radar);
    EXPECT_EQ(list[radar - 10].kind, Kind::Polyline);  // the grid comes before the labels

    // Minute chart: 13 labels, 480 bars, then the frame (6 light lines, 6 dark), then the caption.
    const int labels = indexOf(" 0");
    EXPECT_GT(labels, radar);
    EXPECT_EQ(list[labels].points[0], (Point{13, 325}));
    EXPECT_EQ(list[labels + 12].points[0], (Point{493, 325}));
    EXPECT_EQ(list[labels + 12].text, "24");
    const size_t frame = labels + 13 + 480;
    ASSERT_EQ(list.size(), frame + 13);
    for (size_t i = frame; i < frame + 12; ++i) {
        EXPECT_EQ(list[i].kind, Kind::Line);
        EXPECT_EQ(list[i].pen.colour, i < frame + 6 ? rgb(136, 136, 136) : rgb(50, 50, 50)) << i;
    }
    EXPECT_EQ(list[frame + 4].points[0], (Point{16, 338}));
    EXPECT_EQ(list[frame + 4].points[1], (Point{505, 338}));
    EXPECT_EQ(list[frame + 11].points[0], (Point{16, 391}));
    EXPECT_EQ(list[frame + 7].points[0], (Point{20, 340}));  // covers column 0
    EXPECT_EQ(list.back().text, "↑作業時間の傾向");
    EXPECT_EQ(list.back().points[0], (Point{16, 394}));
}

TEST_F(Report, FitsTheClientAreaAboveTheButtonEvenWithTheLargestScores) {
    std::strcpy(e().verdict, "計画？あるよ。無計画という計画がね！");  // the longest phrase
    const uint8_t scores[5] = {100, 100, 255, 100, 100};     // Awareness alone can pass 100
    std::memcpy(e().score, scores, 5);
    e().computeChartPoints();
    e().total = 255;
    for (auto& share : state.minuteShare) share[MinuteWorking] = 50;

    draw::Bounds b = draw::boundsOf(paint());
    EXPECT_GE(b.left, 0);
    EXPECT_GE(b.top, 0);
    EXPECT_LT(b.right, layout::TusanFrame.clientWidth);
    EXPECT_LT(b.bottom, layout::TusanFrame.okTop);
    EXPECT_LE(layout::pixelsDown(TUSAN_OK_Y + OK_CY), layout::TusanFrame.clientHeight);
}

TEST(VersionLayout, PictureFitsTheClientAreaAboveTheButton) {
    // The picture covers x 20..191 and y 10..90.
    EXPECT_LT(191, layout::VersionFrame.clientWidth);
    EXPECT_LT(90, layout::VersionFrame.okTop);
    EXPECT_LE(layout::pixelsDown(VERSION_OK_Y + OK_CY), layout::VersionFrame.clientHeight);
}

}  // namespace
