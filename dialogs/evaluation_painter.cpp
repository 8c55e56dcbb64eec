#include "dialogs/evaluation_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "dialogs/minute_colours.h"
#include "platform/texts.h"
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

using texts::get;

// A place for the Japanese face and one for the English, whose labels run longer.
int at(int japanese, int english) { return texts::english() ? english : japanese; }

// Hours with one decimal, the tenths digit cut rather than rounded.
std::string hoursText(float hours) {
    return draw::format(get(texts::TenthHours), static_cast<int>(std::trunc(hours)), static_cast<int>(tenthsDigit(hours)));
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
    label(list, 9, 16, 12, get(texts::VerdictBefore));
    label(list, at(330, 300), 63, 12, get(texts::VerdictAfter));
    // The verdict is a fixed-size field; never read past it, terminated or not.
    const std::string verdict(e.verdict, strnlen(e.verdict, sizeof e.verdict));
    label(list, 20, 33, 22, texts::translate(verdict.c_str()));
    list.push_back(draw::text(at(423, 404), at(26, 30), at(36, 30), ScoreColour, draw::format(get(texts::TotalScore), e.total)));
    list.push_back(draw::line(436, 67, 506, 67, Pen{4, rgb(244, 79, 88)}));
    list.push_back(draw::line(436, 67, 506, 67, Pen{2, rgb(254, 17, 30)}));
}

void paintTotalsArea(draw::DisplayList& list, const CompiledState& s) {
    label(list, at(38, 24), 122, 12, get(texts::TotalWork));
    label(list, 32, 138, 12, draw::format(get(texts::WholeHours), static_cast<int>(s.workHours)));
    label(list, at(126, 110), 122, 12, get(texts::TotalRest));
    label(list, 120, 138, 12, draw::format(get(texts::WholeHours), static_cast<int>(s.restHours)));
    label(list, at(202, 200), 122, 12, get(texts::UsedDays));
    label(list, at(207, 200), 138, 12,
          draw::format(get(texts::DaysOfDays), static_cast<int>(s.recordCount), static_cast<int>(s.dayCount)));

    label(list, at(14, 20), 180, 12, get(texts::DailyWork));
    label(list, 38, 196, 12, hoursText(s.avgWorkHours));
    label(list, at(103, 108), 180, 12, get(texts::DailyRest));
    label(list, 127, 196, 12, hoursText(s.avgRestHours));
    label(list, at(196, 196), 180, 12, get(texts::RestPerWork));
    label(list, at(213, 200), 196, 12, draw::format(get(texts::PerHour), s.restPerHour));

    label(list, at(17, 14), 238, 12, get(texts::WorkOverrunRatio));
    label(list, at(26, 14), 254, 12, draw::format(get(texts::PerHour), s.workExtensionRatio));
    label(list, at(106, 104), 238, 12, get(texts::RestOverrunRatio));
    label(list, at(115, 104), 254, 12, draw::format(get(texts::PerHour), s.restExtensionRatio));
    label(list, at(201, 200), 238, 12, get(texts::SetAverage));
    label(list, at(243, 210), 254, 12, draw::format(get(texts::Minutes), s.setAverage));
}

void paintRadarArea(draw::DisplayList& list, const CompiledState& state) {
    const EvaluateState& e = *state.evaluation;
    for (const auto& ring : Rings) list.push_back(draw::polyline(closed(ring), Pen{2, rgb(136, 136, 136)}));
    for (const auto& ring : Rings) list.push_back(draw::polyline(closed(ring), Pen{1, rgb(50, 50, 50)}));

    const char* bracketed = get(texts::ScoreInBrackets);
    label(list, at(370, 360), 110, 14, draw::format(get(texts::ScoreSeriousness), e.score[Seriousness]));
    label(list, at(295, 296), 163, 14, get(texts::ScoreConcentration));
    label(list, at(290, 298), 182, 14, draw::format(bracketed, e.score[Concentration]));
    label(list, at(485, 474), 163, 14, get(texts::ScoreEfficiency));
    label(list, at(475, 480), 182, 14, draw::format(bracketed, e.score[Efficiency]));
    label(list, at(315, 322), 268, 14, get(texts::ScoreEffort));
    label(list, at(325, 324), 287, 14, draw::format(bracketed, e.score[Effort]));
    label(list, at(426, 440), 268, 14, get(texts::ScoreAwareness));
    label(list, at(446, 444), 287, 14, draw::format(bracketed, e.score[Awareness]));

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

    label(list, 16, 394, 12, get(texts::MinuteChartCaption));
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
