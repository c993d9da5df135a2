#include <gtest/gtest.h>

#include "skin/data/NineSlice.h"

namespace tw {
namespace {

TEST(FrameCell, SideBySideAndStacked) {
    EXPECT_EQ(TRect(20, 0, 30, 7), FrameCell(50, 7, 5, 3, false));
    EXPECT_EQ(TRect(0, 8, 40, 16), FrameCell(40, 17, 2, 2, true));  // height div n drops the odd row
    // Counts below one read as one; indexes are kept within the strip.
    EXPECT_EQ(TRect(0, 0, 40, 17), FrameCell(40, 17, 0, 1, true));
    EXPECT_EQ(TRect(30, 0, 40, 4), FrameCell(40, 4, 4, 9, false));
}

TEST(NineSlicePieces, CutsNinePiecesInDrawingOrder) {
    TSliceOptions o;
    o.FrameCount = 2;
    o.FrameIndex = 2;
    o.LeftWidth = 3;
    o.TopHeight = 2;
    o.RightWidth = 4;
    o.BottomHeight = 1;
    // Frame 2 of a 40 x 10 strip is the cell (20, 0)-(40, 10).
    const auto p = NineSlicePieces(100, 50, 40, 10, o);
    ASSERT_EQ(9u, p.size());
    EXPECT_EQ(TRect(20, 0, 23, 2), p[0].Source);  // top-left corner
    EXPECT_EQ(TRect(0, 0, 3, 2), p[0].Dest);
    EXPECT_EQ(TRect(20, 9, 23, 10), p[1].Source);  // bottom-left corner
    EXPECT_EQ(TRect(0, 49, 3, 50), p[1].Dest);
    EXPECT_EQ(TRect(36, 0, 40, 2), p[2].Source);  // top-right corner
    EXPECT_EQ(TRect(96, 0, 100, 2), p[2].Dest);
    EXPECT_EQ(TRect(0, 2, 3, 49), p[3].Dest);     // left edge
    EXPECT_EQ(TRect(3, 0, 96, 2), p[4].Dest);     // top edge
    EXPECT_EQ(TRect(23, 2, 36, 9), p[5].Source);  // centre
    EXPECT_EQ(TRect(3, 2, 96, 49), p[5].Dest);
    EXPECT_FALSE(p[5].Tiled);
    EXPECT_EQ(TRect(96, 49, 100, 50), p[6].Dest);  // bottom-right corner
    EXPECT_EQ(TRect(96, 2, 100, 49), p[7].Dest);   // right edge
    EXPECT_EQ(TRect(3, 49, 96, 50), p[8].Dest);    // bottom edge
}

TEST(NineSlicePieces, DropsMarginPairsThatDoNotFitAndSkipsEmptyPieces) {
    TSliceOptions o;
    o.LeftWidth = 6;
    o.RightWidth = 6;
    o.TopHeight = 3;
    o.Tile = true;
    // 11 wide cannot hold 6 + 6: only the top margin is left, so the top edge and the centre.
    const auto p = NineSlicePieces(11, 20, 30, 30, o);
    ASSERT_EQ(2u, p.size());
    EXPECT_EQ(TRect(0, 0, 11, 3), p[0].Dest);
    EXPECT_EQ(TRect(0, 0, 30, 3), p[0].Source);
    EXPECT_EQ(TRect(0, 3, 11, 20), p[1].Dest);
    EXPECT_TRUE(p[1].Tiled);
    // Too low for top + bottom: the heights go, the widths stay.
    o.BottomHeight = 30;
    const auto q = NineSlicePieces(40, 20, 30, 30, o);
    ASSERT_EQ(3u, q.size());
    EXPECT_EQ(TRect(0, 0, 6, 20), q[0].Dest);
    EXPECT_TRUE(NineSlicePieces(0, 5, 30, 30, o).empty());
}

TEST(TilePositions, RepeatColumnByColumnAndMayRunPastTheEnd) {
    const auto at = TilePositions(TRect(2, 1, 7, 4), 3, 2);
    const std::vector<std::pair<int, int>> expected = {{2, 1}, {2, 3}, {5, 1}, {5, 3}};
    EXPECT_EQ(expected, at);
    EXPECT_TRUE(TilePositions(TRect(0, 0, 5, 5), 0, 3).empty());
}

// A 6 x 6 cell: a 1-pixel red frame, blue centre with one green pixel at (2, 2).
TBitmap FramedCell() {
    TBitmap b(6, 6);
    b.Fill(RGBColor(255, 0, 0));
    b.FillRect(1, 1, 5, 5, RGBColor(0, 0, 255));
    b.SetPixel(2, 2, RGBColor(0, 255, 0));
    return b;
}

TEST(ComposeNineSlice, CornersKeepTheirSizeEdgesAndCentreStretch) {
    TSliceOptions o;
    o.LeftWidth = o.TopHeight = o.RightWidth = o.BottomHeight = 1;
    const TBitmap out = ComposeNineSlice(10, 8, FramedCell(), o);
    ASSERT_EQ(10, out.Width());
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(RGBColor(255, 0, 0), out.Pixel(x, 0)) << x;
        EXPECT_EQ(RGBColor(255, 0, 0), out.Pixel(x, 7)) << x;
    }
    for (int y = 0; y < 8; ++y) EXPECT_EQ(RGBColor(255, 0, 0), out.Pixel(9, y)) << y;
    // The 4 x 4 centre stretched to 8 x 6: its green pixel now covers two columns.
    EXPECT_EQ(RGBColor(0, 255, 0), out.Pixel(3, 2));
    EXPECT_EQ(RGBColor(0, 255, 0), out.Pixel(4, 2));
    EXPECT_EQ(RGBColor(0, 0, 255), out.Pixel(8, 6));
}

TEST(ComposeNineSlice, TiledCentreRepeatsUnscaledAndEdgesCoverTheOverhang) {
    TSliceOptions o;
    o.LeftWidth = o.TopHeight = o.RightWidth = o.BottomHeight = 1;
    o.Tile = true;
    const TBitmap out = ComposeNineSlice(12, 6, FramedCell(), o);
    // Centre tiles of 4 x 4 start at x = 1, 5, 9: the green pixel repeats every 4 columns.
    EXPECT_EQ(RGBColor(0, 255, 0), out.Pixel(2, 2));
    EXPECT_EQ(RGBColor(0, 255, 0), out.Pixel(6, 2));
    EXPECT_EQ(RGBColor(0, 255, 0), out.Pixel(10, 2));
    EXPECT_EQ(RGBColor(0, 0, 255), out.Pixel(3, 2));
    EXPECT_EQ(RGBColor(255, 0, 0), out.Pixel(11, 2));  // the right edge came last
}

TEST(DrawNineSliceTo, LeavesMagentaOutWhenTransparent) {
    TBitmap image(2, 1);
    image.SetPixel(0, 0, kColorMagenta);
    image.SetPixel(1, 0, kColorWhite);
    TBitmap target(4, 1);
    target.Fill(RGBColor(1, 2, 3));
    DrawNineSliceTo(target, TRect(0, 0, 4, 1), image, TSliceOptions(), true);
    EXPECT_EQ(RGBColor(1, 2, 3), target.Pixel(1, 0));
    EXPECT_EQ(kColorWhite, target.Pixel(2, 0));
    DrawNineSliceTo(target, TRect(0, 0, 4, 1), image, TSliceOptions(), false);
    EXPECT_EQ(kColorMagenta, target.Pixel(0, 0));
    DrawNineSliceTo(target, TRect(3, 0, 1, 1), image, TSliceOptions(), false);  // inverted: nothing
}

TEST(DrawStripCenteredTo, PlacesOneCellUnscaledInTheMiddle) {
    TBitmap strip(6, 2);
    strip.FillRect(3, 0, 6, 2, kColorWhite);  // frame 2 of 2 is white
    TBitmap target(9, 6);
    DrawStripCenteredTo(target, TRect(1, 0, 9, 6), strip, false, 2, 2);
    // (8 - 3) div 2 = 2 across from x = 1, (6 - 2) div 2 = 2 down.
    EXPECT_EQ(0u, target.Pixel(2, 2));
    EXPECT_EQ(kColorWhite, target.Pixel(3, 2));
    EXPECT_EQ(kColorWhite, target.Pixel(5, 3));
    EXPECT_EQ(0u, target.Pixel(6, 3));
    EXPECT_EQ(0u, target.Pixel(3, 4));
}

}  // namespace
}  // namespace tw
