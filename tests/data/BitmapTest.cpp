#include <gtest/gtest.h>

#include "skin/data/Bitmap.h"

namespace tw {
namespace {

TEST(Bitmap, RefusesAbsurdSizesAndStaysEmpty) {
    TBitmap b;
    EXPECT_FALSE(b.SetSize(TBitmap::MaxSide + 1, 1));
    EXPECT_TRUE(b.Empty());
    EXPECT_FALSE(b.SetSize(30000, 30000));  // within the side limit, beyond the area limit
    EXPECT_TRUE(b.Empty());
    EXPECT_FALSE(b.SetSize(-1, 5));
    EXPECT_TRUE(b.SetSize(3, 2));
    EXPECT_EQ(3, b.Width());
    EXPECT_EQ(2, b.Height());
}

TEST(Bitmap, RowsArePaddedAndStoredBottomUp) {
    TBitmap b(5, 3, TPixelFormat::pf24bit);
    EXPECT_EQ(16u, b.Stride());  // 15 bytes padded to 16
    EXPECT_EQ(4u, TBitmap::StrideFor(17, 1));
    EXPECT_EQ(12u, TBitmap::StrideFor(5, 16));
    // Row 0 (top) is the last row in memory, as in a DIB.
    EXPECT_EQ(b.ScanLine(2) + 2 * b.Stride(), b.ScanLine(0));
    b.SetPixel(1, 0, RGBColor(1, 2, 3));
    const uint8_t* top = b.ScanLine(0);
    EXPECT_EQ(3, top[3]);  // blue, green, red
    EXPECT_EQ(2, top[4]);
    EXPECT_EQ(1, top[5]);
}

TEST(Bitmap, EveryFormatKeepsColoursItCanHold) {
    // Colours exact in 5 bits per channel (v = (c << 3) | (c >> 2)) survive 16 bits too.
    const TColor colours[] = {RGBColor(0, 0, 0), RGBColor(255, 255, 255), RGBColor(255, 0, 255),
                              RGBColor(0x84, 0x00, 0xFF)};
    for (TPixelFormat f : {TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap b(9, 2, f);
        for (int i = 0; i < 4; ++i) b.SetPixel(i * 2, 1, colours[i]);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(colours[i], b.Pixel(i * 2, 1)) << static_cast<int>(f) << " " << i;
        EXPECT_EQ(0u, b.Pixel(1, 1));
        EXPECT_EQ(0u, b.Pixel(-1, 0));
        EXPECT_EQ(0u, b.Pixel(9, 0));
    }
    TBitmap mono(10, 1, TPixelFormat::pf1bit);
    mono.SetPixel(9, 0, kColorWhite);
    mono.SetPixel(8, 0, RGBColor(20, 20, 20));  // nearest is black
    EXPECT_EQ(kColorWhite, mono.Pixel(9, 0));
    EXPECT_EQ(0u, mono.Pixel(8, 0));
    TBitmap nibbles(3, 1, TPixelFormat::pf4bit);
    nibbles.SetPixel(0, 0, RGBColor(255, 0, 0));
    nibbles.SetPixel(1, 0, RGBColor(0, 0, 255));
    EXPECT_EQ(RGBColor(255, 0, 0), nibbles.Pixel(0, 0));
    EXPECT_EQ(RGBColor(0, 0, 255), nibbles.Pixel(1, 0));
    EXPECT_EQ(0u, nibbles.Pixel(2, 0));
}

TEST(Bitmap, ConvertingFormatsKeepsThePicture) {
    TBitmap b(4, 4, TPixelFormat::pf8bit);
    b.SetPalette({{0, 0, 0, 0}, {0, 0, 255, 0}, {255, 0, 0, 0}});
    b.SetPixel(0, 0, RGBColor(255, 0, 0));
    b.SetPixel(3, 3, RGBColor(0, 0, 255));
    TBitmap original(b);
    b.SetPixelFormat(TPixelFormat::pf24bit);
    EXPECT_EQ(TPixelFormat::pf24bit, b.PixelFormat());
    EXPECT_TRUE(b.SamePixels(original));
    EXPECT_EQ(RGBColor(255, 0, 0), b.Pixel(0, 0));
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetPixelFormat(TPixelFormat::pf8bit);  // back to the colour cube: both colours are in it
    EXPECT_TRUE(b.SamePixels(original));
}

TEST(Bitmap, CopiesAreIndependent) {
    TBitmap a(2, 2);
    a.Fill(kColorMagenta);
    TBitmap b(a);
    b.SetPixel(0, 0, 0);
    EXPECT_EQ(kColorMagenta, a.Pixel(0, 0));
    EXPECT_EQ(0u, b.Pixel(0, 0));
    a = b;
    EXPECT_EQ(0u, a.Pixel(0, 0));
}

TEST(Bitmap, FillRectIsClipped) {
    TBitmap b(4, 4);
    b.FillRect(-5, 2, 2, 100, kColorWhite);
    EXPECT_EQ(kColorWhite, b.Pixel(0, 3));
    EXPECT_EQ(kColorWhite, b.Pixel(1, 2));
    EXPECT_EQ(0u, b.Pixel(2, 2));
    EXPECT_EQ(0u, b.Pixel(0, 1));
}

}  // namespace
}  // namespace tw
