// The skinned tab strip's geometry as one table over the four sides: the side from the style,
// the page frame and strip, the image turn and its slice, and the close boxes, which must sit
// inside their tab in client coordinates so that a click in the page content closes nothing.
#include <gtest/gtest.h>

#include "skin/controls/TabGeometry.h"

namespace tw {
namespace {

struct SideCase {
    const char* what;
    uint32_t style;
    TTabSide side;
    TRect display;  // what the control reports for its pages
    TRect tab;      // the second tab's rectangle, client coordinates
    TRect page, strip;
    TTabImageTurn turn;
    bool stacked;
    int frame2;                    // where frame 2 of 5 lands in the turned strip
    int left, top, right, bottom;  // margins 1, 2, 3, 4 of the upright image, turned
};

// A 200 x 120 control; the tab strip is 20 pixels deep.
const SideCase kSides[] = {
    {"top",
     0x0000,
     TTabSide::Top,
     {4, 24, 196, 116},
     {62, 2, 120, 22},
     {0, 21, 200, 120},
     {0, 0, 200, 21},
     TTabImageTurn::None,
     false,
     2,
     1,
     2,
     3,
     4},
    {"bottom",
     0x0002,
     TTabSide::Bottom,
     {4, 4, 196, 96},
     {62, 98, 120, 118},
     {0, 0, 200, 99},
     {0, 99, 200, 120},
     TTabImageTurn::Flip,
     false,
     2,
     1,
     4,
     3,
     2},
    {"left",
     0x0080 | 0x0200,
     TTabSide::Left,
     {24, 4, 196, 116},
     {2, 62, 22, 120},
     {21, 0, 200, 120},
     {0, 0, 21, 120},
     TTabImageTurn::TurnLeft,
     true,
     4,
     2,
     3,
     4,
     1},
    {"right",
     0x0082 | 0x0200,
     TTabSide::Right,
     {4, 4, 176, 116},
     {178, 62, 198, 120},
     {0, 0, 179, 120},
     {179, 0, 200, 120},
     TTabImageTurn::TurnRight,
     true,
     2,
     4,
     1,
     2,
     3},
};

TEST(TabGeometryTest, FourSidesPagesStripsTurnsAndCloseBoxes) {
    for (const SideCase& c : kSides) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.side, TabSideOfStyle(c.style));
        const TRect page = TabPageArea(c.side, c.display);
        EXPECT_EQ(c.page, page);
        EXPECT_EQ(c.strip, TabStrip(c.side, 200, 120, page));
        EXPECT_EQ(c.turn, TabImageTurn(c.side));

        TSliceOptions upright;
        upright.FrameCount = 5;
        upright.FrameIndex = 2;
        upright.LeftWidth = 1;
        upright.TopHeight = 2;
        upright.RightWidth = 3;
        upright.BottomHeight = 4;
        const TSliceOptions turned = TabSlice(c.side, upright);
        EXPECT_EQ(c.stacked, turned.Stacked);
        EXPECT_EQ(c.frame2, turned.FrameIndex);
        EXPECT_EQ(c.left, turned.LeftWidth);
        EXPECT_EQ(c.top, turned.TopHeight);
        EXPECT_EQ(c.right, turned.RightWidth);
        EXPECT_EQ(c.bottom, turned.BottomHeight);

        // Tab 0 has no box; tab 1 has one inside its own rectangle, at the tab's outer edge.
        const TRect box = TabCloseBox(c.side, c.tab);
        EXPECT_EQ(7, box.Width());
        EXPECT_EQ(7, box.Height());
        EXPECT_TRUE(box.Left >= c.tab.Left && box.Right <= c.tab.Right && box.Top >= c.tab.Top &&
                    box.Bottom <= c.tab.Bottom);
        const std::vector<TRect> boxes{TRect{}, box};
        EXPECT_EQ(1, TabCloseBoxAt(boxes, box.Left + 3, box.Top + 3));
        EXPECT_EQ(1, TabCloseBoxAt(boxes, box.Left, box.Top));
        EXPECT_EQ(-1, TabCloseBoxAt(boxes, box.Right, box.Bottom));
        // The middle of the tab (its caption) and every point of the page content close nothing.
        EXPECT_EQ(-1, TabCloseBoxAt(boxes, (c.tab.Left + c.tab.Right) / 2, (c.tab.Top + c.tab.Bottom) / 2));
        for (int y = page.Top + 1; y < page.Bottom - 1; ++y)
            for (int x = page.Left + 1; x < page.Right - 1; ++x)
                if (TabCloseBoxAt(boxes, x, y) != -1) {
                    ADD_FAILURE() << "a click in the page at " << x << "," << y << " closes the tab";
                    y = page.Bottom;
                    break;
                }
    }
}

TEST(TabGeometryTest, FrameIndexAndCountAreClamped) {
    TSliceOptions o;
    o.FrameCount = 0;
    o.FrameIndex = 9;
    const TSliceOptions left = TabSlice(TTabSide::Left, o);
    EXPECT_EQ(1, left.FrameCount);
    EXPECT_EQ(1, left.FrameIndex);
    o.FrameCount = 5;
    o.FrameIndex = 0;
    EXPECT_EQ(5, TabSlice(TTabSide::Left, o).FrameIndex);
    EXPECT_EQ(1, TabSlice(TTabSide::Top, o).FrameIndex);
}

}  // namespace
}  // namespace tw
