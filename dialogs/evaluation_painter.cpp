#include "dialogs/evaluation_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "dialogs/minute_colours.h"
#include "records/arithmetic.h"
#include "records/compiled_state.h"
#include "records/evaluate_state.h"

namespace report {

namespace {

using draw::Pen;
using draw::Point;
using draw::rgb;

constexpr draw::Colour TextColour = rgb(50, 50, 50);
constexpr draw::Colour ScoreColour = rgb(248, 0, 23);

void label(draw::DisplayList& list, int x, int y, int height, std::string s) {
    list.push_back(draw::text(x, y, height, TextColour, std::move(s)));
}

// Hours with one decimal, the tenths digit cut rather than rounded.
std::string hoursText(float hours) {
    return draw::format("%2d.%1d時間", static_cast<int>(std::trunc(hours)), static_cast<int>(tenthsDigit(hours)));
}

// The grid's rings, outer first, each vertex in axis order.
constexpr Point Rings[5][ScoreAxisCount] = {
    {{409, 130}, {476, 178}, {450, 257}, {368, 257}, {342, 178}},
    {{409, 144}, {462, 183}, {442, 245}, {376, 245}, {356, 183}},
    {{409, 158}, {449, 187}, {434, 234}, {384, 234}, {369, 187}},
    {{409, 172}, {436, 191}, {425, 223}, {393, 223}, {382, 191}},
    {{409, 186}, {422, 196}, {417, 211}, {401, 211}, {396, 196}},
};

// A closed outline: through the five vertices and back to the first.
std::vector<Point> closed(const Point (&vertices)[ScoreAxisCount]) {
    std::vector<Point> path(vertices, vertices + ScoreAxisCount);
    path.push_back(vertices[0]);
    return path;
}

constexpr int ChartLeft = 20;    // x of the midnight column
constexpr int ChartTop = 340;    // the bars grow down from here
constexpr int ChartBottom = 390; // the frame's lower line; a full bar (50) ends just above it

}  // namespace

void paintVerdictArea(draw::DisplayList& list, const CompiledState& state) {
    const EvaluateState& e = *state.evaluation;
    label(list, 9, 16, 12, "あなたは");
    label(list, 330, 63, 12, "な気がします");
    // The verdict is a fixed-size field; never read past it, terminated or not.
    label(list, 20, 33, 22, std::string(e.verdict, strnlen(e.verdict, sizeof e.verdict)));
    list.push_back(draw::text(423, 26, 36, ScoreColour, draw::format("%3d点", e.total)));
    list.push_back(draw::line(436, 67, 506, 67, Pen{4, rgb(244, 79, 88)}));
    list.push_back(draw::line(436, 67, 506, 67, Pen{2, rgb(254, 17, 30)}));
}

void paintTotalsArea(draw::DisplayList& list, const CompiledState& s) {
    label(list, 38, 122, 12, "通算作業");
    label(list, 32, 138, 12, draw::format("%5d時間", static_cast<int>(s.workHours)));
    label(list, 126, 122, 12, "通算休憩");
    label(list, 120, 138, 12, draw::format("%5d時間", static_cast<int>(s.restHours)));
    label(list, 202, 122, 12, "通算使用頻度");
    label(list, 207, 138, 12,
          draw::format("%4d/%4d日", static_cast<int>(s.recordCount), static_cast<int>(s.dayCount)));

    label(list, 14, 180, 12, "１日作業平均");
    label(list, 38, 196, 12, hoursText(s.avgWorkHours));
    label(list, 103, 180, 12, "１日休憩平均");
    label(list, 127, 196, 12, hoursText(s.avgRestHours));
    label(list, 196, 180, 12, "休憩/作業比率");
    label(list, 213, 196, 12, draw::format("%3d分/60分", s.restPerHour));

    label(list, 17, 238, 12, "延/予比（作）");
    label(list, 26, 254, 12, draw::format("%3d分/60分", s.workExtensionRatio));
    label(list, 106, 238, 12, "延/予比（休）");
    label(list, 115, 254, 12, draw::format("%3d分/60分", s.restExtensionRatio));
    label(list, 201, 238, 12, "１セット平均");
    label(list, 243, 254, 12, draw::format("%3d分", s.setAverage));
}

void paintRadarArea(draw::DisplayList& list, const CompiledState& state) {
    const EvaluateState& e = *state.evaluation;
    for (const auto& ring : Rings) list.push_back(draw::polyline(closed(ring), Pen{2, rgb(136, 136, 136)}));
    for (const auto& ring : Rings) list.push_back(draw::polyline(closed(ring), Pen{1, rgb(50, 50, 50)}));

    label(list, 370, 110, 14, draw::format("真面目さ（%3d）", e.score[Seriousness]));
    label(list, 295, 163, 14, "集中力");
    label(list, 290, 182, 14, draw::format("（%3d）", e.score[Concentration]));
    label(list, 485, 163, 14, "効率");
    label(list, 475, 182, 14, draw::format("（%3d）", e.score[Efficiency]));
    label(list, 315, 268, 14, "がんばり度");
    label(list, 325, 287, 14, draw::format("（%3d）", e.score[Effort]));
    label(list, 426, 268, 14, "作業効率意識");
    label(list, 446, 287, 14, draw::format("（%3d）", e.score[Awareness]));

    Point scores[ScoreAxisCount];
    for (int axis = 0; axis < ScoreAxisCount; ++axis) scores[axis] = Point{e.chartX[axis], e.chartY[axis]};
    list.push_back(draw::polyline(closed(scores), Pen{4, rgb(137, 111, 236)}));
    list.push_back(draw::polyline(closed(scores), Pen{3, rgb(50, 3, 255)}));
}

void paintMinuteChartArea(draw::DisplayList& list, const CompiledState& s) {
    for (int h = 0; h <= 24; h += 2) label(list, 13 + 20 * h, 325, 12, draw::format("%2d", h));

    // One column per three minutes; only the first minute of each three is shown. The shares
    // of one minute add up to at most 50, so a bar ends above the frame; the bar is still cut
    // at the frame so that no share table can paint over the caption.
    for (int i = 0; i < static_cast<int>(MinutesPerDay) / 3; ++i) {
        const int x = ChartLeft + i;
        const uint8_t* share = s.minuteShare[3 * i];
        int y = ChartTop;
        for (int code = 1; code <= 5 && y < ChartBottom; ++code) {
            const int next = std::min(y + share[code], ChartBottom);
            if (next > y) list.push_back(draw::line(x, y, x, next, Pen{1, draw::MinuteColours[code]}));
            y = next;
        }
    }

    // The frame, over the bars: a light line and a dark one beside it, read as a groove.
    const Pen light{1, rgb(136, 136, 136)};
    const Pen dark{1, rgb(50, 50, 50)};
    for (int x : {16, 19, 500, 503}) list.push_back(draw::line(x, 340, x, 390, light));
    for (int y : {338, 390}) list.push_back(draw::line(16, y, 505, y, light));
    for (int x : {17, 20, 501, 504}) list.push_back(draw::line(x, 340, x, 390, dark));
    for (int y : {339, 391}) list.push_back(draw::line(16, y, 505, y, dark));

    label(list, 16, 394, 12, "↑作業時間の傾向");
}

draw::DisplayList paint(const CompiledState& state) {
    draw::DisplayList list;
    paintVerdictArea(list, state);
    paintTotalsArea(list, state);
    paintRadarArea(list, state);
    paintMinuteChartArea(list, state);
    return list;
}

}  // namespace report
