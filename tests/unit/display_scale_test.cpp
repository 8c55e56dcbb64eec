// A display list drawn at 144 and 192 DPI: every position, font height and pen width of the
// 96-DPI list times 1.5 or 2, halves of positions and fonts rounded away from zero; pens
// keep whole pixels, so a hairline stays one pixel at 150 % and becomes two at 200 %.
#include <gtest/gtest.h>

#include "dialogs/display_list.h"

namespace {

using draw::DisplayList;

// What scaling leaves alone.
std::vector<int64_t> unscaled(const draw::DrawOp& op) {
    return {static_cast<int>(op.kind), op.colour, op.hasPen, op.pen.colour, op.hasBrush, op.brush,
            static_cast<int64_t>(op.text.size())};
}

DisplayList sample() {
    return {
        draw::text(7, 13, 11, draw::rgb(1, 2, 3), "08:03"),
        draw::line(0, -3, 5, 9, draw::Pen{0, 0}),  // a one-pixel pen
        draw::line(1, 1, 2, 2, draw::Pen{3, 0}),
        draw::solidRectangle(3, 5, 4, 6, draw::rgb(9, 9, 9)),  // one pixel at 96 DPI
        draw::polyline({{1, 1}, {-1, 3}, {1, 1}}, draw::Pen{1, 0}),
    };
}

TEST(DisplayScale, PositionsFontsAndPensFollowTheDpi) {
    struct Row {
        int dpi;
        std::vector<std::vector<draw::Point>> points;
        std::vector<int> fontAndPens;  // text font height, then the four pen widths
    };
    const Row rows[] = {
        {96, {{{7, 13}}, {{0, -3}, {5, 9}}, {{1, 1}, {2, 2}}, {{3, 5}, {4, 6}}, {{1, 1}, {-1, 3}, {1, 1}}},
         {11, 0, 3, 0, 1}},
        // 7 x 1.5 = 10.5 -> 11, -3 x 1.5 = -4.5 -> -5; pens 3 x 1.5 -> 4, 1 x 1.5 -> 1.
        {144, {{{11, 20}}, {{0, -5}, {8, 14}}, {{2, 2}, {3, 3}}, {{5, 8}, {6, 9}}, {{2, 2}, {-2, 5}, {2, 2}}},
         {17, 0, 4, 0, 1}},
        {192, {{{14, 26}}, {{0, -6}, {10, 18}}, {{2, 2}, {4, 4}}, {{6, 10}, {8, 12}}, {{2, 2}, {-2, 6}, {2, 2}}},
         {22, 2, 6, 2, 2}},
    };
    const DisplayList original = sample();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dpi);
        const DisplayList list = draw::scaled(original, row.dpi);
        ASSERT_EQ(list.size(), original.size());
        std::vector<int> fontAndPens = {list[0].fontHeight};
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].points, row.points[i]) << "operation " << i;
            if (i > 0) fontAndPens.push_back(list[i].pen.width);
            // Everything that is not a size stays as it was.
            EXPECT_EQ(unscaled(list[i]), unscaled(original[i]));
        }
        EXPECT_EQ(fontAndPens, row.fontAndPens);
    }
}

}  // namespace
