#include <gtest/gtest.h>

#include <random>

#include "skin/data/BitmapRegion.h"

namespace tw {
namespace {

TEST(KeyRangeOf, EachChannelFromTheKeyUpByItsTolerance) {
    const TKeyRange magenta = KeyRangeOf(kColorMagenta, 1, 1, 1);
    const struct {
        TColor Colour;
        bool Keyed;
    } cases[] = {
        {RGBColor(255, 0, 255), true},  {RGBColor(255, 1, 255), true},  {RGBColor(255, 2, 255), false},
        {RGBColor(254, 0, 255), false}, {RGBColor(255, 0, 254), false}, {RGBColor(0, 0, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.Keyed, magenta.Contains(c.Colour)) << std::hex << c.Colour;
    // Tolerances stop at 255 and do not go below the key.
    const TKeyRange k = KeyRangeOf(RGBColor(10, 20, 200), 100, -5, 0);
    EXPECT_EQ(255, k.BlueHigh);
    EXPECT_EQ(20, k.GreenHigh);
    EXPECT_TRUE(k.Contains(RGBColor(10, 20, 255)));
    EXPECT_FALSE(k.Contains(RGBColor(10, 21, 200)));
    EXPECT_FALSE(k.Contains(RGBColor(10, 20, 199)));
}

// Rows of '#' (a colour outside the key range), '.' (magenta) and ',' (magenta with green 1).
TBitmap Drawn(const std::vector<std::string>& rows) {
    TBitmap b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            const TColor near = c == ',' ? RGBColor(255, 1, 255) : kColorMagenta;
            b.SetPixel(int(x), int(y), c == '#' ? RGBColor(255, 2, 255) : near);
        }
    return b;
}

TEST(ShapeRectsOfBitmap, RunsPerRowMergedWhereConsecutiveRowsRepeat) {
    const TKeyRange keys = KeyRangeOf(kColorMagenta, 1, 1, 1);
    const std::vector<TRect> rects = ShapeRectsOfBitmap(Drawn({"..##.",  //
                                                               ",.##,",  //
                                                               "#.###",  //
                                                               ".....",  //
                                                               "#.###"}),
                                                        keys, 10, 20);
    const std::vector<TRect> expected = {
        {12, 20, 14, 22}, {10, 22, 11, 23}, {12, 22, 15, 23}, {10, 24, 11, 25}, {12, 24, 15, 25}};
    EXPECT_EQ(expected, rects);

    EXPECT_TRUE(ShapeRectsOfBitmap(Drawn({"..,", ",.."}), keys, 0, 0).empty());
    EXPECT_EQ(std::vector<TRect>{TRect(-1, -2, 2, 1)}, ShapeRectsOfBitmap(Drawn({"###", "###", "###"}), keys, -1, -2));
    EXPECT_TRUE(ShapeRectsOfBitmap(TBitmap(), keys, 0, 0).empty());
}

TEST(ShapeRectsOfBitmap, CoversExactlyTheNonKeyPixelsWithoutOverlap) {
    const TColor palette[] = {kColorMagenta, RGBColor(255, 1, 255), RGBColor(0, 0, 0), RGBColor(255, 0, 250)};
    TBitmap b(37, 23, TPixelFormat::pf32bit);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            // Runs of a few equal pixels and some repeated rows, so that bands form.
            const int row = y % 5 == 1 ? y - 1 : y;
            b.SetPixel(x, y, palette[std::minstd_rand(unsigned(row * 64 + x / 3 + 1))() % 4]);
        }
    const TKeyRange keys = KeyRangeOf(kColorMagenta, 1, 1, 1);
    const auto rects = ShapeRectsOfBitmap(b, keys, 3, 4);
    std::vector<int> cover(size_t(b.Width() * b.Height()), 0);
    for (const TRect& r : rects)
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) ++cover[size_t((y - 4) * b.Width() + (x - 3))];
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            ASSERT_EQ(keys.Contains(b.Pixel(x, y)) ? 0 : 1, cover[size_t(y * b.Width() + x)]) << x << "," << y;
    EXPECT_EQ(TRect(3, 4, 40, 27), BoundsOfRects(rects, 0, rects.size()));
}

TEST(BoundsOfRects, SmallestRectangleOfARangeOfTheList) {
    const std::vector<TRect> rects = {{5, 5, 6, 6}, {0, 3, 2, 4}, {4, 8, 9, 9}};
    EXPECT_EQ(TRect(0, 3, 9, 9), BoundsOfRects(rects, 0, 3));
    EXPECT_EQ(TRect(0, 3, 9, 9), BoundsOfRects(rects, 1, 50));
    EXPECT_EQ(TRect(5, 5, 6, 6), BoundsOfRects(rects, 0, 1));
    EXPECT_EQ(TRect(), BoundsOfRects(rects, 3, 2));
    EXPECT_EQ(TRect(), BoundsOfRects({}, 0, 10));
}

}  // namespace
}  // namespace tw
