// A display list drawn at 144 and 192 DPI: positions and font heights times 1.5 or 2, halves
// rounded away from zero; pens in whole pixels cut down, so a hairline stays one pixel at
// 150 % and becomes two at 200 %. Colours and texts stay.
#include <gtest/gtest.h>

#include "dialogs/display_list.h"

namespace {

// Every point, then the font height and the pen widths, as one list.
std::vector<int> sizes(const draw::DisplayList& list) {
    std::vector<int> out;
    for (const draw::DrawOp& op : list) {
        for (const draw::Point& p : op.points) out.insert(out.end(), {p.x, p.y});
        out.push_back(op.kind == draw::Kind::Text ? op.fontHeight : op.pen.width);
    }
    return out;
}

TEST(DisplayScale, PositionsFontsAndPensFollowTheDpi) {
    const draw::DisplayList original = {
        draw::text(7, 13, 11, draw::rgb(1, 2, 3), "08:03"),
        draw::line(0, -3, 5, 9, draw::Pen{0, 0}),
        draw::line(1, 1, 2, 2, draw::Pen{3, 0}),
        draw::solidRectangle(3, 5, 4, 6, draw::rgb(9, 9, 9)),
        draw::polyline({{1, 1}, {-1, 3}}, draw::Pen{1, 0}),
    };
    const struct {
        int dpi;
        std::vector<int> sizes;
    } rows[] = {
        {96, {7, 13, 11, /**/ 0, -3, 5, 9, 0, /**/ 1, 1, 2, 2, 3, /**/ 3, 5, 4, 6, 0, /**/ 1, 1, -1, 3, 1}},
        {144, {11, 20, 17, /**/ 0, -5, 8, 14, 0, /**/ 2, 2, 3, 3, 4, /**/ 5, 8, 6, 9, 0, /**/ 2, 2, -2, 5, 1}},
        {192, {14, 26, 22, /**/ 0, -6, 10, 18, 2, /**/ 2, 2, 4, 4, 6, /**/ 6, 10, 8, 12, 2, /**/ 2, 2, -2, 6, 2}},
    };
    for (const auto& row : rows) {
        const draw::DisplayList list = draw::scaled(original, row.dpi);
        EXPECT_EQ(sizes(list), row.sizes) << row.dpi;
        EXPECT_EQ(list[0].text, "08:03");
        EXPECT_EQ(list[3].brush, draw::rgb(9, 9, 9));
    }
}

}  // namespace
