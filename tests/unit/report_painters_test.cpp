// The display lists of the work status strip and the evaluation report: labels, marks,
// columns, figures, radar chart, minute chart, frame and caption, inside the client area.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "dialogs/display_list.h"
#include "dialogs/evaluation_painter.h"
#include "dialogs/report_layout.h"
#include "dialogs/work_status_painter.h"
#include "records/compiled_state.h"
#include "records/evaluate_state.h"
#include "tests/support/test_env.h"

namespace {

using draw::DrawOp;
using draw::Kind;
using draw::Point;
using draw::rgb;

const draw::Colour Light = rgb(136, 136, 136), Dark = rgb(50, 50, 50);

std::vector<DrawOp> ofKind(const draw::DisplayList& list, Kind kind) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : list)
        if (op.kind == kind) out.push_back(op);
    return out;
}

// ---- The work status strip -------------------------------------------------------------

struct Strip {
    int8_t minutes[1440] = {};
    draw::DisplayList paint() const { return workstatus::paint(minutes); }
};

// x positions of the vertical lines in one colour, each checked to run from `top` to `bottom`.
std::vector<int> verticals(const draw::DisplayList& list, draw::Colour colour, int top, int bottom) {
    std::vector<int> xs;
    for (const DrawOp& op : ofKind(list, Kind::Line)) {
        if (op.pen.colour != colour || op.points[0].y != top) continue;
        EXPECT_EQ(op.points[0].x, op.points[1].x);
        EXPECT_EQ(op.points[1].y, bottom);
        EXPECT_EQ(op.pen.width, 0);
        xs.push_back(op.points[0].x);
    }
    return xs;
}

TEST(WorkStatusStrip, EmptyDayPaintsLabelsMarksAndFrameOnly) {
    const draw::DisplayList list = Strip().paint();
    const std::vector<DrawOp> labels = ofKind(list, Kind::Text);
    ASSERT_EQ(labels.size(), 13u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(labels[i].points[0], (Point{40 * i + 3, 16})) << i;  // every second hour
        EXPECT_EQ(labels[i].fontHeight, 12);
        EXPECT_EQ(labels[i].colour, Dark);
    }
    // Two characters each, one-digit hours behind a blank.
    EXPECT_EQ(labels[0].text, " 0");
    EXPECT_EQ(labels[4].text, " 8");
    EXPECT_EQ(labels[5].text, "10");
    EXPECT_EQ(labels[12].text, "24");

    std::vector<int> halfHours, oddHours, evenLight, evenDark;
    for (int i = 1; i <= 47; ++i)
        if (i % 4) halfHours.push_back(10 * i + 9);
    for (int h = 1; h <= 23; h += 2) oddHours.push_back(10 + 20 * h);
    for (int h = 2; h <= 22; h += 2) evenLight.push_back(10 + 20 * h - 1), evenDark.push_back(10 + 20 * h);
    EXPECT_EQ(verticals(list, rgb(170, 170, 170), 50, 70), halfHours);
    EXPECT_EQ(verticals(list, rgb(119, 119, 119), 50, 70), oddHours);
    // Frame and hour marks: a light line, and a dark one a pixel to its right.
    EXPECT_EQ(verticals(list, Light, 35, 85), (std::vector<int>{6, 9, 490, 493}));
    EXPECT_EQ(verticals(list, Dark, 35, 85), (std::vector<int>{7, 10, 491, 494}));
    EXPECT_EQ(verticals(list, Light, 45, 75), evenLight);
    EXPECT_EQ(verticals(list, Dark, 45, 75), evenDark);
    EXPECT_EQ(verticals(list, Light, 40, 80), std::vector<int>{249});
    EXPECT_EQ(verticals(list, Dark, 40, 80), std::vector<int>{250});
    EXPECT_TRUE(ofKind(list, Kind::Rectangle).empty());
    EXPECT_EQ(list.size(), 13u + 36u + 12u + 16u + 16u);
}

TEST(WorkStatusStrip, EveryThirdMinuteIsOneColumnInItsCodesColour) {
    Strip day;
    const draw::Colour colours[6] = {0, rgb(255, 34, 68), rgb(187, 17, 17), rgb(34, 85, 255), rgb(17, 25, 187),
                                     rgb(144, 144, 144)};
    for (int k = 0; k < 480; ++k) {
        day.minutes[3 * k] = static_cast<int8_t>(k % 6);                // 0..5 in turn
        day.minutes[3 * k + 1] = day.minutes[3 * k + 2] = MinuteWorkOver;  // never shown
    }
    const std::vector<DrawOp> columns = ofKind(day.paint(), Kind::Rectangle);
    ASSERT_EQ(columns.size(), 400u);  // every sixth column holds no data
    for (const DrawOp& c : columns) {
        const int k = c.points[0].x - 10, code = k % 6;
        ASSERT_NE(code, 0) << k;
        EXPECT_EQ(c.points[0].y, 53);
        EXPECT_EQ(c.points[1], (Point{11 + k, 67}));
        EXPECT_TRUE(c.hasBrush && c.hasPen);
        EXPECT_EQ(c.brush, colours[code]) << k;
        EXPECT_EQ(c.pen.colour, colours[code]) << k;
    }
    EXPECT_EQ(columns.back().points[0].x, 489);  // 23:57

    // Damaged bytes and the minutes between samples draw nothing.
    Strip damaged;
    damaged.minutes[601] = damaged.minutes[602] = MinuteWorkOver;
    damaged.minutes[1438] = damaged.minutes[1439] = MinuteWorking;
    damaged.minutes[0] = 6;
    damaged.minutes[3] = -1;
    damaged.minutes[6] = 127;
    damaged.minutes[9] = -128;
    EXPECT_TRUE(ofKind(damaged.paint(), Kind::Rectangle).empty());
}

// ---- The evaluation report -------------------------------------------------------------

class Report : public ::testing::Test {
protected:
    DayRecord today{};
    CompiledState state{today};
    EvaluateState& e() { return *state.evaluation; }
    draw::DisplayList paint() { return report::paint(state); }
    void setScores(std::array<uint8_t, 5> scores) {
        std::memcpy(e().score, scores.data(), 5);
        e().computeChartPoints();
    }

    // The text drawn at (x, y); fails the test when there is none.
    DrawOp textAt(int x, int y) {
        for (const DrawOp& op : paint())
            if (op.kind == Kind::Text && op.points[0] == Point{x, y}) return op;
        ADD_FAILURE() << "no text at " << x << "," << y;
        return DrawOp{};
    }
    // The bar lines of the minute chart's column at x.
    std::vector<DrawOp> barAt(int x) {
        std::vector<DrawOp> out;
        for (const DrawOp& op : ofKind(paint(), Kind::Line))
            if (op.points[0].x == x && op.points[1].x == x && op.points[0].y >= 340 && op.pen.colour != Light &&
                op.pen.colour != Dark)
                out.push_back(op);
        return out;
    }
};

TEST_F(Report, FiguresVerdictAndScoreAreFormattedInTheirFields) {
    state.workHours = 1234, state.restHours = 5, state.recordCount = 12, state.dayCount = 30;
    state.avgWorkHours = 0.7f, state.avgRestHours = 12.25f, state.restPerHour = 7;
    state.workExtensionRatio = 255, state.restExtensionRatio = 0, state.setAverage = 66;
    e().total = 7;
    std::strcpy(e().verdict, "いい人");
    const struct {
        int x, y;
        const char* text;
    } texts[] = {
        {32, 138, " 1234時間"}, {120, 138, "    5時間"}, {207, 138, "  12/  30日"}, {38, 196, " 0.7時間"},
        {127, 196, "12.2時間"},  // cut, not rounded; 0.7 is 0.69999 as a double
        {213, 196, "  7分/60分"}, {26, 254, "255分/60分"}, {115, 254, "  0分/60分"}, {243, 254, " 66分"},
        {14, 180, "１日作業平均"}, {196, 180, "休憩/作業比率"}, {9, 16, "あなたは"}, {20, 33, "いい人"},
        {330, 63, "な気がします"}, {423, 26, "  7点"}};
    for (const auto& t : texts) EXPECT_EQ(textAt(t.x, t.y).text, t.text) << t.x << "," << t.y;
    EXPECT_EQ(textAt(38, 122).colour, Dark);
    EXPECT_EQ(textAt(20, 33).fontHeight, 22);
    const DrawOp score = textAt(423, 26);
    EXPECT_EQ(score.fontHeight, 36);
    EXPECT_EQ(score.colour, rgb(248, 0, 23));
    e().total = 100;
    EXPECT_EQ(textAt(423, 26).text, "100点");
    std::memset(e().verdict, 'A', sizeof e().verdict);  // no terminator at all
    EXPECT_EQ(textAt(20, 33).text, std::string(128, 'A'));

    // The score's underline: the wide light stroke, then the narrow dark one on the same path.
    std::vector<DrawOp> underline;
    for (const DrawOp& op : ofKind(paint(), Kind::Line))
        if (op.points[0] == Point{436, 67}) underline.push_back(op);
    ASSERT_EQ(underline.size(), 2u);
    EXPECT_EQ(underline[0].points[1], (Point{506, 67}));
    EXPECT_EQ(underline[0].pen, (draw::Pen{4, rgb(244, 79, 88)}));
    EXPECT_EQ(underline[1].pen, (draw::Pen{2, rgb(254, 17, 30)}));
}

TEST_F(Report, RadarGridThenScorePolygonAtZeroAndAHundred) {
    const std::vector<Point> outer = {{409, 130}, {476, 178}, {450, 257}, {368, 257}, {342, 178}, {409, 130}};
    setScores({0, 0, 0, 0, 0});
    std::vector<DrawOp> lines = ofKind(paint(), Kind::Polyline);
    ASSERT_EQ(lines.size(), 12u);
    for (int i = 0; i < 10; ++i) {  // five rings, light then dark
        ASSERT_EQ(lines[i].points.size(), 6u);
        EXPECT_EQ(lines[i].points.front(), lines[i].points.back());  // closed
        EXPECT_EQ(lines[i].pen, (draw::Pen{i < 5 ? 2 : 1, i < 5 ? Light : Dark}));
    }
    EXPECT_EQ(lines[0].points, outer);
    EXPECT_EQ(lines[5].points, outer);
    EXPECT_EQ(lines[4].points[2], (Point{417, 211}));  // the 20 % ring
    EXPECT_EQ(lines[10].points, std::vector<Point>(6, Point{409, 200}));  // collapsed onto the centre
    EXPECT_EQ(lines[10].pen, (draw::Pen{4, rgb(137, 111, 236)}));
    EXPECT_EQ(lines[11].pen, (draw::Pen{3, rgb(50, 3, 255)}));
    setScores({100, 100, 100, 100, 100});
    lines = ofKind(paint(), Kind::Polyline);
    EXPECT_EQ(lines[10].points, outer);
    EXPECT_EQ(lines[11].points, outer);

    setScores({80, 7, 100, 45, 255});
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
    state.minuteShare[603][MinuteNone] = 15;  // no data is never drawn

    // Each bar as top, bottom (exclusive), pen width and colour.
    auto bars = [&](int x) {
        std::vector<int64_t> out;
        for (const DrawOp& op : barAt(x))
            out.insert(out.end(), {op.points[0].y, op.points[1].y, op.pen.width, op.pen.colour});
        return out;
    };
    EXPECT_EQ(bars(220), ints(340, 390, 1, rgb(255, 34, 68)));  // pixels 340 to 389
    EXPECT_EQ(bars(221), ints(340, 350, 1, rgb(255, 34, 68), 350, 370, 1, rgb(34, 85, 255), 370, 375, 1,
                              rgb(144, 144, 144)));
    EXPECT_TRUE(barAt(222).empty());
    // Impossible shares (a damaged table) stop at the frame, short of the caption.
    for (int c = 1; c <= 5; ++c) state.minuteShare[1437][c] = 255;
    const std::vector<DrawOp> capped = barAt(499);
    ASSERT_FALSE(capped.empty());
    EXPECT_EQ(capped.back().points[1].y, 390);
}

TEST_F(Report, AreasInOrderWithFrameOverBarsAndCaptionLast) {
    for (int m = 0; m < 1440; m += 3) state.minuteShare[m][MinuteWorking] = 50;
    const draw::DisplayList list = paint();
    auto indexOf = [&](const char* text) {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].kind == Kind::Text && list[i].text == text) return static_cast<int>(i);
        return -1;
    };
    const int totals = indexOf("通算作業"), radar = indexOf("集中力");
    EXPECT_EQ(indexOf("あなたは"), 0);
    EXPECT_LT(0, totals);
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
        EXPECT_EQ(list[i].pen.colour, i < frame + 6 ? Light : Dark) << i;
    }
    EXPECT_EQ(list[frame + 4].points[0], (Point{16, 338}));
    EXPECT_EQ(list[frame + 4].points[1], (Point{505, 338}));
    EXPECT_EQ(list[frame + 11].points[0], (Point{16, 391}));
    EXPECT_EQ(list[frame + 7].points[0], (Point{20, 340}));  // covers column 0
    EXPECT_EQ(list.back().text, "↑作業時間の傾向");
    EXPECT_EQ(list.back().points[0], (Point{16, 394}));
}

TEST_F(Report, EveryPaintingFitsItsClientAreaAboveTheButton) {
    std::strcpy(e().verdict, "計画？あるよ。無計画という計画がね！");  // the longest phrase
    setScores({100, 100, 255, 100, 100});                                  // Awareness alone can pass 100
    e().total = 255;
    for (auto& share : state.minuteShare) share[MinuteWorking] = 50;
    Strip day;
    for (int8_t& m : day.minutes) m = MinuteWorking;
    const draw::Bounds strip = draw::boundsOf(day.paint()), report = draw::boundsOf(paint());
    EXPECT_EQ(strip.right, 494);
    EXPECT_EQ(strip.bottom, 85);
    const struct {
        draw::Bounds b;
        layout::Frame frame;
        int okBottom;
    } rows[] = {{strip, layout::ProgressFrame, PROGRESS_OK_Y + OK_CY},
                {report, layout::TusanFrame, TUSAN_OK_Y + OK_CY},
                {draw::Bounds{20, 10, 191, 90, false}, layout::VersionFrame, VERSION_OK_Y + OK_CY}};  // the picture
    for (const auto& r : rows) {
        EXPECT_GE(r.b.left, 0);
        EXPECT_GE(r.b.top, 0);
        EXPECT_LT(r.b.right, r.frame.clientWidth);
        EXPECT_LT(r.b.bottom, r.frame.okTop);
        EXPECT_LE(layout::pixelsDown(r.okBottom), r.frame.clientHeight);
    }
}

}  // namespace
