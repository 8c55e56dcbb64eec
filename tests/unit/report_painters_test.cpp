// The display lists of the work status strip and the evaluation report, inside their client areas,
// and the same lists scaled to the screen's DPI.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/evaluation_painter.h"
#include "dialogs/report_layout.h"
#include "dialogs/work_status_painter.h"
#include "records/compiled_state.h"
#include "tests/support/test_env.h"

namespace {

using namespace draw;
const Colour Light = rgb(136, 136, 136), Dark = rgb(50, 50, 50), Red = rgb(255, 34, 68), Grey = rgb(144, 144, 144);

std::vector<DrawOp> ofKind(const DisplayList& list, Kind kind) {
    std::vector<DrawOp> out;
    std::copy_if(list.begin(), list.end(), std::back_inserter(out), [&](const DrawOp& op) { return op.kind == kind; });
    return out;
}

// The painting lies inside the client area above the OK button, and the button inside the client area.
bool fits(const Bounds& b, const layout::Frame& frame) {
    return b.left >= 0 && b.top >= 0 && b.right < frame.clientWidth && b.bottom < frame.okTop &&
           frame.okTop + layout::pixelsDown(OK_CY) <= frame.clientHeight;
}

TEST(WorkStatusStrip, LabelsMarksAndEveryThirdMinuteAsAColumnInItsCodesColour) {
    int8_t minutes[1440];
    std::fill(std::begin(minutes), std::end(minutes), MinuteWorkOver);          // never shown
    for (int k = 0; k < 480; ++k) minutes[3 * k] = static_cast<int8_t>(k % 6);  // but every third: 0..5 in turn
    minutes[6] = 127;  // damaged: nothing
    const DisplayList list = workstatus::paint(minutes);
    const std::vector<DrawOp> labels = ofKind(list, Kind::Text);
    ASSERT_EQ(labels.size(), 13u);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(ints(labels[i].points[0].x, labels[i].points[0].y, labels[i].fontHeight, labels[i].colour),
                  ints(40 * i + 3, 16, 12, Dark));
    EXPECT_EQ(labels[4].text + labels[5].text, " 810");
    std::vector<int> halfHours, oddHours, evenLight;
    for (int i = 1; i <= 47; ++i)
        if (i % 4) halfHours.push_back(10 * i + 9);
    for (int h = 1; h <= 23; h += 2) oddHours.push_back(10 + 20 * h), evenLight.push_back(29 + 20 * h);
    evenLight.pop_back();  // the frame stands there
    // Half and odd hours, then the even hours, the frame and noon: a light line and a dark one to its right.
    const std::tuple<Colour, int, int, std::vector<int>> marks[] = {
        {rgb(170, 170, 170), 50, 70, halfHours}, {rgb(119, 119, 119), 50, 70, oddHours}, {Light, 45, 75, evenLight},
        {Light, 35, 85, {6, 9, 490, 493}}, {Dark, 35, 85, {7, 10, 491, 494}}, {Dark, 40, 80, {250}}};
    for (const auto& [colour, top, bottom, xs] : marks) {
        std::vector<int> got;  // x of the thin lines in that colour from top to bottom
        for (const DrawOp& op : ofKind(list, Kind::Line))
            if (op.pen == Pen{0, colour} && op.points[0].y == top && op.points[1] == Point{op.points[0].x, bottom})
                got.push_back(op.points[0].x);
        EXPECT_EQ(got, xs) << top;
    }
    const Colour colours[6] = {0, Red, rgb(187, 17, 17), rgb(34, 85, 255), rgb(17, 25, 187), Grey};
    const std::vector<DrawOp> columns = ofKind(list, Kind::Rectangle);
    ASSERT_EQ(columns.size(), 399u);  // every sixth column holds no data, one is damaged
    for (const DrawOp& c : columns) {
        const int k = c.points[0].x - 10, code = k % 6;
        EXPECT_EQ(ints(c.points[0].y, c.points[1].x, c.points[1].y, c.brush, c.pen.colour),
                  ints(53, 11 + k, 67, colours[code], colours[code])) << k;
    }
    EXPECT_TRUE(fits(boundsOf(list), layout::ProgressFrame));
}

TEST(Report, FiguresVerdictRadarAndMinuteChartInTheirFieldsInsideTheClientArea) {
    DayRecord today{};
    CompiledState state{today};
    EvaluateState& e = *state.evaluation;
    const auto setScores = [&](std::array<uint8_t, 5> scores) {
        std::memcpy(e.score, scores.data(), 5);
        e.computeChartPoints();
    };
    const auto textAt = [&](int x, int y) -> std::string {
        for (const DrawOp& op : ofKind(report::paint(state), Kind::Text))
            if (op.points[0] == Point{x, y}) return op.text;
        return "(none)";
    };
    state.workHours = 1234, state.restHours = 5, state.recordCount = 12, state.dayCount = 30;
    state.avgWorkHours = 0.7f, state.avgRestHours = 12.25f, state.restPerHour = 7;
    state.workExtensionRatio = 255, state.restExtensionRatio = 0, state.setAverage = 66;
    e.total = 7;
    std::strcpy(e.verdict, "いい人");
    setScores({80, 7, 100, 45, 255});
    const std::tuple<int, int, const char*> texts[] = {
        {32, 138, " 1234時間"}, {120, 138, "    5時間"}, {207, 138, "  12/  30日"}, {38, 196, " 0.7時間"},
        {213, 196, "  7分/60分"}, {26, 254, "255分/60分"}, {115, 254, "  0分/60分"}, {243, 254, " 66分"}, {9, 16, "あなたは"},
        {20, 33, "いい人"}, {423, 26, "  7点"}, {370, 110, "真面目さ（ 80）"}, {475, 182, "（  7）"}, {446, 287, "（100）"},
        {325, 287, "（ 45）"}, {290, 182, "（255）"}, {16, 394, "↑作業時間の傾向"}, {127, 196, "12.2時間"}};  // cut, not rounded
    for (const auto& [x, y, text] : texts) EXPECT_EQ(textAt(x, y), text) << x << "," << y;
    std::memset(e.verdict, 'A', sizeof e.verdict);  // no terminator at all
    EXPECT_EQ(textAt(20, 33), std::string(128, 'A'));
    // Five rings, light then dark, then the score polygon filled and outlined.
    const std::vector<DrawOp> lines = ofKind(report::paint(state), Kind::Polyline);
    ASSERT_EQ(lines.size(), 12u);
    const std::vector<Point> ring = {{409, 158}, {449, 187}, {434, 234}, {384, 234}, {369, 187}, {409, 158}};
    EXPECT_EQ(lines[7].points, ring);
    EXPECT_EQ(lines[4].points[2], (Point{417, 211}));  // the 20 % ring
    EXPECT_EQ(ints(lines[3].pen.width, lines[3].pen.colour, lines[8].pen.width, lines[8].pen.colour),
              ints(2, Light, 1, Dark));
    EXPECT_EQ(lines[10].pen.colour, rgb(137, 111, 236));  // the fill

    state.minuteShare[601][MinuteResting] = 50;  // not a sampled minute
    uint8_t* column = state.minuteShare[603];  // column 201: 10 red, 20 blue, 5 grey; no data is never drawn
    column[MinuteWorking] = 10, column[MinuteResting] = 20, column[MinuteStopped] = 5, column[MinuteNone] = 15;
    for (int c = 1; c <= 5; ++c) state.minuteShare[1437][c] = 255;  // a damaged table
    // The longest phrase, and Awareness past 100 as it alone can be.
    std::strcpy(e.verdict, "計画？あるよ。無計画という計画がね！");
    setScores({100, 100, 255, 100, 100});
    e.total = 255;
    const DisplayList list = report::paint(state);
    // Each bar in the column at x: top, bottom (exclusive) and colour.
    const auto bars = [&](int x) {
        std::vector<int64_t> out;
        for (const DrawOp& op : ofKind(list, Kind::Line))
            if (op.points[0].x == x && op.points[1].x == x && op.points[0].y >= 340 && op.pen.width == 1)
                out.insert(out.end(), {op.points[0].y, op.points[1].y, op.pen.colour});
        return out;
    };
    EXPECT_EQ(bars(221), ints(340, 350, Red, 350, 370, rgb(34, 85, 255), 370, 375, Grey));
    EXPECT_TRUE(bars(220).empty());
    EXPECT_EQ(bars(499), ints(340, 390, Red));
    // The frame over the bars: 6 light lines, 6 dark, then the caption.
    const DrawOp &top = list[list.size() - 9], &bottom = list[list.size() - 2];
    EXPECT_EQ(ints(top.pen.colour, top.points[0].y, bottom.pen.colour, bottom.points[0].y),
              ints(Light, 338, Dark, 391));
    EXPECT_TRUE(fits(boundsOf(list), layout::TusanFrame));
    EXPECT_TRUE(fits(Bounds{20, 10, 191, 90, false}, layout::VersionFrame));  // the version box's 172 x 81 picture
}

// Sizes stay at 96 DPI and grow 1.5 or 2 times at 144 and 192, halves away from zero; pens cut to whole pixels.
TEST(DisplayScale, PositionsFontsAndPensFollowTheDpi) {
    const DisplayList original = {text(7, 13, 11, rgb(1, 2, 3), "08:03"), line(0, -3, 5, 9, Pen{0, 0}),
                                  line(1, 1, 2, 2, Pen{3, 0}), solidRectangle(3, 5, 4, 6, rgb(9, 9, 9)),
                                  polyline({{1, 1}, {-1, 3}}, Pen{1, 0})};
    // Each op's points, then its font height or pen width.
    const std::pair<int, std::vector<int>> rows[] = {
        {96, {7, 13, 11, /**/ 0, -3, 5, 9, 0, /**/ 1, 1, 2, 2, 3, /**/ 3, 5, 4, 6, 0, /**/ 1, 1, -1, 3, 1}},
        {144, {11, 20, 17, /**/ 0, -5, 8, 14, 0, /**/ 2, 2, 3, 3, 4, /**/ 5, 8, 6, 9, 0, /**/ 2, 2, -2, 5, 1}},
        {192, {14, 26, 22, /**/ 0, -6, 10, 18, 2, /**/ 2, 2, 4, 4, 6, /**/ 6, 10, 8, 12, 2, /**/ 2, 2, -2, 6, 2}}};
    for (const auto& [dpi, sizes] : rows) {
        const DisplayList list = scaled(original, dpi);
        std::vector<int> got;
        for (const DrawOp& op : list) {
            for (const Point& p : op.points) got.insert(got.end(), {p.x, p.y});
            got.push_back(op.kind == Kind::Text ? op.fontHeight : op.pen.width);
        }
        ASSERT_EQ(got, sizes) << dpi;  // then list[0] and list[3] exist
        EXPECT_EQ(ints(list[0].text == "08:03", list[0].colour, list[3].brush), ints(true, rgb(1, 2, 3), rgb(9, 9, 9)));
    }
}

// What GDI leaves at each pixel of a width x height area: a rectangle fills [left, right) x [top, bottom), a thin line
// along a row or column its pixels up to its end; nothing else paints (0xFF000000 stays).
std::vector<Colour> raster(const DisplayList& list, int width, int height) {
    std::vector<Colour> pixels(static_cast<size_t>(width * height), 0xFF000000);
    for (const DrawOp& op : list) {
        Point a = op.points.front(), b = op.points.back();
        const bool thin = op.kind == Kind::Line && op.pen.width <= 1 && (a.x == b.x || a.y == b.y);
        if (thin) b = {std::max(b.x, a.x + 1), std::max(b.y, a.y + 1)};
        for (int y = std::max(a.y, 0); (thin || op.kind == Kind::Rectangle) && y < std::min(b.y, height); ++y)
            for (int x = std::max(a.x, 0); x < std::min(b.x, width); ++x) pixels[y * width + x] = thin ? op.pen.colour : op.brush;
    }
    return pixels;
}

// Scaled, the strip's and the minute chart's columns, frames and grooves paint each 96-DPI pixel as the whole block it
// grows into: no column or groove line left blank between neighbours, none split from its partner.
TEST(DisplayScale, WhatTouchesAt96DpiTouchesAtEveryDpi) {
    int8_t minutes[1440] = {};
    DayRecord today{};
    CompiledState state{today};
    for (int k = 0; k < 480; ++k) {  // columns of every code; full bars, red over blue, the border moving
        minutes[3 * k] = static_cast<int8_t>(1 + k / 7 % 5);
        state.minuteShare[3 * k][MinuteWorking] = static_cast<uint8_t>(k % 50);
        state.minuteShare[3 * k][MinuteResting] = static_cast<uint8_t>(50 - k % 50);
    }
    for (const auto& [list, width, height] : {std::tuple{workstatus::paint(minutes), 500, 90}, std::tuple{report::paint(state), 510, 400}})
        for (int dpi : {120, 144, 192}) {
            const auto at = [dpi](int v) { return platform::scaleToDpi(v, dpi); };
            const std::vector<Colour> design = raster(list, width, height), shown = raster(scaled(list, dpi), at(width), at(height));
            int wrong = 0;  // scaled pixels unlike the 96-DPI pixel they grew from
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    for (int sy = at(y); sy < at(y + 1); ++sy)
                        for (int sx = at(x); sx < at(x + 1); ++sx) wrong += shown[sy * at(width) + sx] != design[y * width + x];
            EXPECT_EQ(wrong, 0) << width << " at " << dpi;
        }
}

}  // namespace
