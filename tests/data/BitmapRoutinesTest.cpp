#include <gtest/gtest.h>

#include "skin/data/BitmapRoutines.h"
#include "skin/data/SystemInfo.h"

namespace tw {
namespace {

// A 3 x 2 picture whose every pixel differs.
TBitmap Sample() {
    TBitmap b(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) b.SetPixel(x, y, RGBColor(10 * x + 1, 20 * y + 2, 30));
    return b;
}

TEST(Blend, WeightsBelowHundredArePercentFromHundredPerMille) {
    EXPECT_EQ(0xECECECu, Blend(0x808080, 0xFFFFFF, 150));
    EXPECT_EQ(0x808080u, Blend(0, 0xFFFFFF, 50));  // 127.5 rounds up
    EXPECT_EQ(RGBColor(252, 252, 252), Blend(0xFFFFFF, 0, 99));
    EXPECT_EQ(RGBColor(26, 26, 26), Blend(0xFFFFFF, 0, 100));  // 10 % of c1
    EXPECT_EQ(RGBColor(100, 0, 0), Blend(RGBColor(100, 0, 0), RGBColor(0, 200, 0), 1000));
}

TEST(Blend, ResolvesSystemColoursAndNeverSpillsIntoNeighbours) {
    EXPECT_EQ(Blend(SysColor(COLOR_INDEX_BTNFACE), 0xFFFFFF, 150),
              Blend(SystemColorValue(COLOR_INDEX_BTNFACE), 0xFFFFFF, 150));
    // A weight above the scale would push a channel below zero; it stays within its byte.
    const TColor c = Blend(0, 0xFFFFFF, 2000);
    EXPECT_EQ(0u, c & 0xFF000000u);
}

TEST(SaturationOf, MeasuresTheSpreadOfBrightColours) {
    EXPECT_EQ(127, SaturationOf(0x8080FF));
    EXPECT_EQ(200, SaturationOf(RGBColor(159, 0, 0)));
    EXPECT_EQ(200, SaturationOf(0));
    EXPECT_EQ(0, SaturationOf(0xFFFFFF));
    EXPECT_EQ(255, SaturationOf(RGBColor(0, 200, 0)));
    EXPECT_EQ(14, SaturationOf(RGBColor(212, 208, 200)));
}

class Ramps : public ::testing::Test {
protected:
    void SetUp() override { ResetRampCache(); }
    void TearDown() override { ResetRampCache(); }
};

TEST_F(Ramps, EntriesRunFromStartToEnd) {
    const auto& ramp = RampEntries(GradientRamp(5, RGBColor(0, 0, 0), RGBColor(100, 200, 40)));
    ASSERT_EQ(5u, ramp.size());
    EXPECT_EQ(RGBColor(0, 0, 0), ramp[0]);
    // (h + i * delta) div d with d = 4, h = 2
    EXPECT_EQ(RGBColor(25, 50, 10), ramp[1]);
    EXPECT_EQ(RGBColor(50, 100, 20), ramp[2]);
    EXPECT_EQ(RGBColor(100, 200, 40), ramp[4]);
    const auto& one = RampEntries(GradientRamp(1, RGBColor(10, 10, 10), RGBColor(20, 30, 10)));
    ASSERT_EQ(1u, one.size());
    EXPECT_EQ(RGBColor(15, 20, 10), one[0]);
}

TEST_F(Ramps, SameRampIsFoundAgainAndTheSeventeenthReusesSlotZero) {
    const int first = GradientRamp(10, 0x000000, 0xFFFFFF);
    EXPECT_EQ(0, first);
    EXPECT_EQ(first, GradientRamp(10, 0x000000, 0xFFFFFF));
    // A falling ramp whose rounding misses its end exactly is still found again.
    const int falling = GradientRamp(4, RGBColor(200, 200, 200), RGBColor(10, 10, 10));
    EXPECT_EQ(falling, GradientRamp(4, RGBColor(200, 200, 200), RGBColor(10, 10, 10)));
    for (int i = 2; i < 16; ++i) EXPECT_EQ(i, GradientRamp(20 + i, 0, 0xFFFFFF));
    EXPECT_EQ(0, GradientRamp(99, 0, 0x123456));  // the seventeenth distinct ramp
    EXPECT_EQ(99u, RampEntries(0).size());
    EXPECT_EQ(1, GradientRamp(4, RGBColor(200, 200, 200), RGBColor(10, 10, 10)));
    EXPECT_NE(0, GradientRamp(10, 0x000000, 0xFFFFFF));  // slot 0 no longer holds it
}

TEST_F(Ramps, GradientUnderAClipBoxPaintsOnlyVisibleRowsWithTheirFullRampColours) {
    const TRect rect(0, 0, 4, 10);
    EXPECT_TRUE(GradientStepsInClip(TRect(0, 0, 4, 0), TRect(0, 0, 100, 100), true).Empty());
    EXPECT_TRUE(GradientStepsInClip(rect, TRect(10, 0, 20, 20), true).Empty());
    const TGradientSteps steps = GradientStepsInClip(rect, TRect(0, 3, 100, 7), true);
    EXPECT_EQ(3, steps.First);
    EXPECT_EQ(6, steps.Last);
    const TGradientSteps across = GradientStepsInClip(TRect(5, 0, 15, 1), TRect(8, 0, 100, 1), false);
    EXPECT_EQ(3, across.First);
    EXPECT_EQ(9, across.Last);

    TBitmap full(4, 10), clipped(4, 10);
    clipped.Fill(kColorMagenta);
    GradientFillBitmap(full, rect, rect, 0x000000, true, RGBColor(90, 180, 45));
    GradientFillBitmap(clipped, rect, TRect(0, 3, 4, 7), 0x000000, true, RGBColor(90, 180, 45));
    for (int y = 0; y < 10; ++y) {
        const bool visible = y >= 3 && y < 7;
        EXPECT_EQ(visible ? full.Pixel(2, y) : kColorMagenta, clipped.Pixel(2, y)) << y;
    }
    EXPECT_EQ(RGBColor(10, 20, 5), full.Pixel(0, 1));  // (4 + 90) div 9 = 10 ...
    EXPECT_EQ(RGBColor(90, 180, 45), full.Pixel(3, 9));
}

TEST(BitmapRoutines, GrayAndMagentaReplacement) {
    TBitmap b(2, 1, TPixelFormat::pf32bit);
    b.SetPixel(0, 0, RGBColor(10, 20, 60));
    b.SetPixel(1, 0, kColorMagenta);
    TBitmap g(b);
    GrayBitmap(g);
    EXPECT_EQ(TPixelFormat::pf24bit, g.PixelFormat());
    EXPECT_EQ(RGBColor(30, 30, 30), g.Pixel(0, 0));
    EXPECT_EQ(RGBColor(170, 170, 170), g.Pixel(1, 0));
    // The value's own bytes are used, system colour or not.
    ReplaceMagenta(b, 0xFF00000F);
    EXPECT_EQ(TPixelFormat::pf24bit, b.PixelFormat());
    EXPECT_EQ(RGBColor(0x0F, 0, 0), b.Pixel(1, 0));
    EXPECT_EQ(RGBColor(10, 20, 60), b.Pixel(0, 0));
}

TEST(BitmapRoutines, MirrorAndFlipMovePixelsAndUndoThemselves) {
    const TBitmap original = Sample();
    TBitmap m(original);
    MirrorBitmap(m);
    EXPECT_EQ(original.Pixel(2, 0), m.Pixel(0, 0));
    EXPECT_EQ(original.Pixel(0, 1), m.Pixel(2, 1));
    MirrorBitmap(m);
    EXPECT_TRUE(m.SamePixels(original));
    TBitmap f(original);
    FlipBitmap(f);
    EXPECT_EQ(original.Pixel(1, 1), f.Pixel(1, 0));
    FlipBitmap(f);
    EXPECT_TRUE(f.SamePixels(original));
}

TEST(BitmapRoutines, QuarterTurnsPlacePixelsAndRoundTrip) {
    const TBitmap original = Sample();  // 3 wide, 2 high
    TBitmap left(original);
    RotateLeft(left);
    ASSERT_EQ(2, left.Width());
    ASSERT_EQ(3, left.Height());
    // new (row W-1-x, column y) = old (row y, column x)
    EXPECT_EQ(original.Pixel(0, 0), left.Pixel(0, 2));
    EXPECT_EQ(original.Pixel(2, 1), left.Pixel(1, 0));
    TBitmap right(original);
    RotateRight(right);
    // new (row x, column H-1-y) = old (row y, column x)
    EXPECT_EQ(original.Pixel(0, 0), right.Pixel(1, 0));
    EXPECT_EQ(original.Pixel(2, 1), right.Pixel(0, 2));
    RotateRight(left);
    EXPECT_TRUE(left.SamePixels(original));
    TBitmap twice(original);
    RotateLeft(twice);
    RotateLeft(twice);
    TBitmap half(original);
    MirrorBitmap(half);
    FlipBitmap(half);
    EXPECT_TRUE(twice.SamePixels(half));
}

}  // namespace
}  // namespace tw
