// The work status strip's display list: labels, marks, frame and the 480 columns.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "dialogs/display_list.h"
#include "dialogs/report_layout.h"
#include "dialogs/work_status_painter.h"

namespace {

using draw::DrawOp;
using draw::Kind;
using draw::rgb;

struct Strip {
    int8_t minutes[1440];
    Strip() { std::memset(minutes, 0, sizeof minutes); }
    draw::DisplayList paint() const { return workstatus::paint(minutes); }
};

std::vector<DrawOp> ofKind(const draw::DisplayList& list, Kind kind) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : list)
        if (op.kind == kind) out.push_back(op);
    return out;
}

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
    draw::DisplayList list = Strip().paint();

    std::vector<DrawOp> labels = ofKind(list, Kind::Text);
    ASSERT_EQ(labels.size(), 13u);
    for (int i = 0; i < 13; ++i) {
        const int h = 2 * i;
        EXPECT_EQ(labels[i].points[0].x, 20 * h + 3);
        EXPECT_EQ(labels[i].points[0].y, 16);
        EXPECT_EQ(labels[i].fontHeight, 12);
        EXPECT_EQ(labels[i].colour, rgb(50, 50, 50));
    }
    // Two characters each, one-digit hours behind a blank.
    EXPECT_EQ(labels[0].text, " 0");
    EXPECT_EQ(labels[4].text, " 8");
    EXPECT_EQ(labels[5].text, "10");
    EXPECT_EQ(labels[12].text, "24");

    std::vector<int> halfHours;
    for (int i = 1; i <= 47; ++i)
        if (i % 4) halfHours.push_back(10 * i + 9);
    EXPECT_EQ(verticals(list, rgb(170, 170, 170), 50, 70), halfHours);
    std::vector<int> oddHours;
    for (int h = 1; h <= 23; h += 2) oddHours.push_back(10 + 20 * h);
    EXPECT_EQ(verticals(list, rgb(119, 119, 119), 50, 70), oddHours);

    // Frame: light line, dark line one pixel right.
    EXPECT_EQ(verticals(list, rgb(136, 136, 136), 35, 85), (std::vector<int>{6, 9, 490, 493}));
    EXPECT_EQ(verticals(list, rgb(50, 50, 50), 35, 85), (std::vector<int>{7, 10, 491, 494}));
    std::vector<int> evenLight, evenDark;
    for (int h = 2; h <= 22; h += 2) evenLight.push_back(10 + 20 * h - 1), evenDark.push_back(10 + 20 * h);
    EXPECT_EQ(verticals(list, rgb(136, 136, 136), 45, 75), evenLight);
    EXPECT_EQ(verticals(list, rgb(50, 50, 50), 45, 75), evenDark);
    EXPECT_EQ(verticals(list, rgb(136, 136, 136), 40, 80), std::vector<int>{249});
    EXPECT_EQ(verticals(list, rgb(50, 50, 50), 40, 80), std::vector<int>{250});

    EXPECT_TRUE(ofKind(list, Kind::Rectangle).empty());
    EXPECT_EQ(list.size(), 13u + 36u + 12u + 16u + 16u);
}

TEST(WorkStatusStrip, EveryThirdMinuteIsOneColumnInItsCodesColour) {
    Strip day;
    const draw::Colour colours[6] = {0, rgb(255, 34, 68), rgb(187, 17, 17), rgb(34, 85, 255), rgb(17, 25, 187),
                                     rgb(144, 144, 144)};
    for (int k = 0; k < 480; ++k) day.minutes[3 * k] = static_cast<int8_t>(k % 6);  // 0..5 in turn
    // The minutes between are never shown, whatever they hold.
    for (int k = 0; k < 480; ++k) day.minutes[3 * k + 1] = day.minutes[3 * k + 2] = 2;

    std::vector<DrawOp> columns = ofKind(day.paint(), Kind::Rectangle);
    ASSERT_EQ(columns.size(), 400u);  // every sixth column holds no data
    std::set<int> seen;
    for (const DrawOp& c : columns) {
        const int k = c.points[0].x - 10;
        const int code = k % 6;
        ASSERT_NE(code, 0) << k;
        EXPECT_EQ(c.points[0].y, 53);
        EXPECT_EQ(c.points[1].x, 11 + k);
        EXPECT_EQ(c.points[1].y, 67);
        EXPECT_TRUE(c.hasBrush && c.hasPen);
        EXPECT_EQ(c.brush, colours[code]) << k;
        EXPECT_EQ(c.pen.colour, colours[code]) << k;
        seen.insert(k);
    }
    EXPECT_EQ(*seen.rbegin(), 479);  // 23:57 at x = 489
    EXPECT_EQ(columns.back().points[0].x, 489);
}

TEST(WorkStatusStrip, DamagedBytesAndUnsampledMinutesDrawNothing) {
    Strip day;
    day.minutes[601] = day.minutes[602] = 2;  // 10:01-10:02 overrun: falls between samples
    day.minutes[1438] = day.minutes[1439] = 1;  // 23:58 and 23:59 are never shown
    day.minutes[0] = 6;
    day.minutes[3] = -1;
    day.minutes[6] = 127;
    day.minutes[9] = -128;
    EXPECT_TRUE(ofKind(day.paint(), Kind::Rectangle).empty());
}

TEST(WorkStatusStrip, FitsTheClientAreaAboveTheButton) {
    Strip day;
    for (int8_t& m : day.minutes) m = 1;
    draw::Bounds b = draw::boundsOf(day.paint());
    EXPECT_EQ(b.right, 494);
    EXPECT_EQ(b.bottom, 85);
    EXPECT_GE(b.left, 0);
    EXPECT_GE(b.top, 0);
    EXPECT_LT(b.right, layout::ProgressFrame.clientWidth);
    EXPECT_LT(b.bottom, layout::ProgressFrame.okTop);
    EXPECT_LE(layout::pixelsDown(PROGRESS_OK_Y + OK_CY), layout::ProgressFrame.clientHeight);
}

}  // namespace
