#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "tests/data/BmpTestFiles.h"

namespace tw {
namespace {

using test::TBmpFile;

constexpr TColor kRed = RGBColor(255, 0, 0), kGreen = RGBColor(0, 255, 0), kBlue = RGBColor(0, 0, 255);

// A 2 x 2, 24-bit file; bottom row first unless the height is negative.
TBmpFile TwoByTwo24(int32_t height) {
    TBmpFile f;
    f.FileHeader(54);
    f.InfoHeader(2, height, 24);
    f.Raw({0, 0, 255, 0, 255, 0, 0, 0});      // first stored row: red, green, padding
    f.Raw({255, 0, 0, 255, 255, 255, 0, 0});  // second stored row: blue, white, padding
    f.Finish();
    return f;
}

TEST(BmpCodec, ReadsBottomUpAndTopDownRows) {
    TBitmap b;
    ASSERT_TRUE(LoadBmp(TwoByTwo24(2).bytes, b));
    EXPECT_EQ(TPixelFormat::pf24bit, b.PixelFormat());
    EXPECT_EQ(kRed, b.Pixel(0, 1));
    EXPECT_EQ(kGreen, b.Pixel(1, 1));
    EXPECT_EQ(kBlue, b.Pixel(0, 0));
    EXPECT_EQ(kColorWhite, b.Pixel(1, 0));
    ASSERT_TRUE(LoadBmp(TwoByTwo24(-2).bytes, b));
    EXPECT_EQ(2, b.Height());
    EXPECT_EQ(kRed, b.Pixel(0, 0));
    EXPECT_EQ(kColorWhite, b.Pixel(1, 1));
}

TEST(BmpCodec, ReadsPalettedFilesWithShortColourTables) {
    TBmpFile f;
    f.FileHeader(14 + 40 + 8);
    f.InfoHeader(9, 1, 1, 0, 2);
    f.Raw({255, 255, 255, 0, 0, 0, 255, 0});  // white, red
    f.Raw({0x80, 0x80, 0, 0});                // pixels 0 and 8 set
    f.Finish();
    TBitmap b;
    ASSERT_TRUE(LoadBmp(f.bytes, b));
    EXPECT_EQ(TPixelFormat::pf1bit, b.PixelFormat());
    EXPECT_EQ(kRed, b.Pixel(0, 0));
    EXPECT_EQ(kColorWhite, b.Pixel(1, 0));
    EXPECT_EQ(kRed, b.Pixel(8, 0));

    // 4 bits, three colours used; index 9 lies beyond the table and reads as black.
    TBmpFile g;
    g.FileHeader(14 + 40 + 12);
    g.InfoHeader(3, 1, 4, 0, 3);
    g.Raw({0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0});
    g.Raw({0x12, 0x90, 0, 0});
    g.Finish();
    ASSERT_TRUE(LoadBmp(g.bytes, b));
    EXPECT_EQ(kGreen, b.Pixel(0, 0));
    EXPECT_EQ(kBlue, b.Pixel(1, 0));
    EXPECT_EQ(0u, b.Pixel(2, 0));
}

TEST(BmpCodec, ReadsCoreHeaders) {
    TBmpFile f;
    f.FileHeader(14 + 12 + 6);
    f.U32(12);
    f.U16(2);
    f.U16(1);
    f.U16(1);
    f.U16(8);
    f.Raw({0, 0, 0, 0, 255, 0});  // RGB triples: black, green
    f.Raw({1, 0, 0, 0});
    f.Finish();
    TBitmap b;
    ASSERT_TRUE(LoadBmp(f.bytes, b));
    EXPECT_EQ(2, b.Width());
    EXPECT_EQ(kGreen, b.Pixel(0, 0));
    EXPECT_EQ(0u, b.Pixel(1, 0));
}

TEST(BmpCodec, ReadsBitFields) {
    // 16 bits as 5-6-5: pure red, pure green, pure blue, white.
    TBmpFile f;
    f.FileHeader(14 + 40 + 12);
    f.InfoHeader(4, 1, 16, 3);
    f.U32(0xF800);
    f.U32(0x07E0);
    f.U32(0x001F);
    f.U16(0xF800);
    f.U16(0x07E0);
    f.U16(0x001F);
    f.U16(0xFFFF);
    f.Finish();
    TBitmap b;
    ASSERT_TRUE(LoadBmp(f.bytes, b));
    EXPECT_EQ(TPixelFormat::pf24bit, b.PixelFormat());
    EXPECT_EQ(kRed, b.Pixel(0, 0));
    EXPECT_EQ(kGreen, b.Pixel(1, 0));
    EXPECT_EQ(kBlue, b.Pixel(2, 0));
    EXPECT_EQ(kColorWhite, b.Pixel(3, 0));

    // 32 bits with red in the low byte.
    TBmpFile g;
    g.FileHeader(14 + 40 + 12);
    g.InfoHeader(1, 1, 32, 3);
    g.U32(0x000000FF);
    g.U32(0x0000FF00);
    g.U32(0x00FF0000);
    g.U32(0x00300201);
    g.Finish();
    ASSERT_TRUE(LoadBmp(g.bytes, b));
    EXPECT_EQ(RGBColor(1, 2, 0x30), b.Pixel(0, 0));
}

TEST(BmpCodec, ReadsRle8RunsLiteralsDeltasAndLineEnds) {
    TBmpFile f;
    f.FileHeader(14 + 40 + 12);
    f.InfoHeader(4, 3, 8, 1, 3);
    f.Raw({0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0});  // black, red, blue
    f.Raw({3, 1});                                    // bottom row: red red red
    f.Raw({0, 0});                                    // end of line
    f.Raw({0, 3, 2, 1, 2, 0});                        // literal blue red blue, padded
    f.Raw({0, 2, 0, 1});                              // move up one row
    f.Raw({9, 1});                                    // run clipped at the row's end
    f.Raw({0, 1});                                    // end of bitmap
    f.Finish();
    TBitmap b;
    ASSERT_TRUE(LoadBmp(f.bytes, b));
    EXPECT_EQ(TPixelFormat::pf8bit, b.PixelFormat());
    EXPECT_EQ(kRed, b.Pixel(0, 2));
    EXPECT_EQ(kRed, b.Pixel(2, 2));
    EXPECT_EQ(0u, b.Pixel(3, 2));
    EXPECT_EQ(kBlue, b.Pixel(0, 1));
    EXPECT_EQ(kRed, b.Pixel(1, 1));
    EXPECT_EQ(kBlue, b.Pixel(2, 1));
    EXPECT_EQ(0u, b.Pixel(2, 0));  // skipped by the delta
    EXPECT_EQ(kRed, b.Pixel(3, 0));
}

TEST(BmpCodec, ReadsRle4) {
    TBmpFile f;
    f.FileHeader(14 + 40 + 8);
    f.InfoHeader(5, 1, 4, 2, 2);
    f.Raw({0, 0, 0, 0, 255, 255, 255, 0});
    f.Raw({3, 0x10});           // run of nibbles 1 0 1
    f.Raw({0, 3, 0x01, 0x10});  // literal nibbles 0 1 1, the last cut at the row's end
    f.Finish();
    TBitmap b;
    ASSERT_TRUE(LoadBmp(f.bytes, b));
    EXPECT_EQ(kColorWhite, b.Pixel(0, 0));
    EXPECT_EQ(0u, b.Pixel(1, 0));
    EXPECT_EQ(kColorWhite, b.Pixel(2, 0));
    EXPECT_EQ(0u, b.Pixel(3, 0));
    EXPECT_EQ(kColorWhite, b.Pixel(4, 0));
}

TEST(BmpCodec, WriterOutputDecodesToTheSamePixelsInEveryFormat) {
    for (TPixelFormat f : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf16bit,
                           TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap b(7, 3, f);
        b.SetPixel(0, 0, kColorWhite);
        b.SetPixel(6, 2, kColorWhite);
        b.SetPixel(3, 1, f == TPixelFormat::pf1bit ? kColorWhite : kRed);
        std::vector<uint8_t> bytes = SaveBmp(b);
        TBitmap back;
        ASSERT_TRUE(LoadBmp(bytes, back)) << static_cast<int>(f);
        EXPECT_EQ(f, back.PixelFormat());
        EXPECT_TRUE(back.SamePixels(b)) << static_cast<int>(f);
    }
    EXPECT_TRUE(SaveBmp(TBitmap()).empty());
}

TEST(BmpCodec, MalformedFilesGiveAnEmptyImage) {
    TBitmap b(3, 3);
    std::vector<uint8_t> good = TwoByTwo24(2).bytes;

    std::vector<uint8_t> wrongMagic = good;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(LoadBmp(wrongMagic, b));
    EXPECT_TRUE(b.Empty());

    for (size_t cut : {size_t(0), size_t(10), size_t(30), good.size() - 1}) {
        std::vector<uint8_t> shortFile(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_FALSE(LoadBmp(shortFile, b)) << cut;
        EXPECT_TRUE(b.Empty());
    }
    EXPECT_FALSE(LoadBmp(nullptr, 100, b));

    auto withHeader = [](int32_t w, int32_t h, unsigned bits, uint32_t compression) {
        TBmpFile f;
        f.FileHeader(54);
        f.InfoHeader(w, h, bits, compression);
        f.Raw({1, 2, 3, 4, 5, 6, 7, 8});
        f.Finish();
        return f.bytes;
    };
    EXPECT_FALSE(LoadBmp(withHeader(0, 1, 24, 0), b));
    EXPECT_FALSE(LoadBmp(withHeader(-1, 1, 24, 0), b));
    EXPECT_FALSE(LoadBmp(withHeader(1, INT32_MIN, 24, 0), b));
    EXPECT_FALSE(LoadBmp(withHeader(1, 1, 7, 0), b));
    EXPECT_FALSE(LoadBmp(withHeader(1, 1, 24, 4), b));  // embedded JPEG
    EXPECT_FALSE(LoadBmp(withHeader(1, 1, 24, 1), b));  // RLE8 needs 8 bits
    EXPECT_FALSE(LoadBmp(withHeader(1, -1, 8, 1), b));  // RLE is never top-down
    // Absurd sizes are refused from the header alone, before any allocation.
    EXPECT_FALSE(LoadBmp(withHeader(0x7FFFFFFF, 0x7FFFFFFF, 24, 0), b));
    EXPECT_FALSE(LoadBmp(withHeader(20000, 20000, 8, 1), b));
    EXPECT_TRUE(b.Empty());
}

TEST(BmpCodec, RleWritesOutsideTheImageAreDropped) {
    TBmpFile f;
    f.FileHeader(14 + 40 + 8);
    f.InfoHeader(2, 2, 8, 1, 2);
    f.Raw({0, 0, 0, 0, 255, 255, 255, 0});
    f.Raw({0, 2, 200, 200});  // delta far past the image
    f.Raw({5, 1});
    f.Raw({0, 3, 1, 1, 1, 0});
    f.Finish();
    TBitmap b;
    ASSERT_TRUE(LoadBmp(f.bytes, b));
    EXPECT_EQ(0u, b.Pixel(0, 0));
    EXPECT_EQ(0u, b.Pixel(1, 1));

    // Literal runs longer than the data left stop the decoding, keeping what came before.
    TBmpFile g;
    g.FileHeader(14 + 40 + 8);
    g.InfoHeader(2, 1, 8, 1, 2);
    g.Raw({0, 0, 0, 0, 255, 255, 255, 0});
    g.Raw({1, 1, 0, 200, 1});
    g.Finish();
    ASSERT_TRUE(LoadBmp(g.bytes, b));
    EXPECT_EQ(kColorWhite, b.Pixel(0, 0));
    EXPECT_EQ(0u, b.Pixel(1, 0));
}

// A crafted run-length file: its codes, after a black and white colour table, and the image it
// must decode to, top row first ('#' white, '.' black). `skips` delta codes of 255 columns each
// go between `before` and `after`: enough of them carry a column past any int.
struct TRleCase {
    const char* what;
    unsigned bits;
    int width, height;
    std::vector<uint8_t> before;
    size_t skips;
    std::vector<uint8_t> after;
    std::vector<std::string> image;
};

TEST(BmpCodec, RleCodesNeverCarryTheColumnOrRowOutOfTheImage) {
    constexpr size_t kPastAnyInt = (size_t(1) << 31) / 255 + 2;  // a file of about 34 MB
    const TRleCase cases[] = {
        {"a skip past the row's end leaves the rest of that row alone",
         8,
         4,
         2,
         {1, 1},
         3,
         {2, 1, 0, 4, 1, 1, 1, 1, 0, 0, 1, 1, 0, 1},
         {"#...", "#..."}},
        {"skips beyond the range of an int, 8 bits",
         8,
         4,
         2,
         {1, 1},
         kPastAnyInt,
         {4, 1, 0, 3, 1, 1, 1, 0, 0, 0, 2, 1, 0, 1},
         {"##..", "#..."}},
        {"skips beyond the range of an int, 4 bits",
         4,
         4,
         2,
         {1, 0x10},
         kPastAnyInt,
         {4, 0x11, 0, 3, 0x11, 0x10, 0, 0, 2, 0x11, 0, 1},
         {"##..", "#..."}},
        {"literals stop at the row's end and so does the run after them",
         8,
         3,
         1,
         {0, 5, 1, 1, 1, 1, 1, 0, 2, 1},
         0,
         {},
         {"###"}},
        {"a 4-bit run and literal from an odd column, cut at the row's end",
         4,
         5,
         2,
         {0, 2, 1, 0, 3, 0x11, 0, 0, 0, 2, 3, 0, 0, 4, 0x11, 0x11},
         0,
         {},
         {"...##", ".###."}},
        {"rows past the top are dropped and the decoded rows stay",
         8,
         2,
         2,
         {2, 1, 0, 0, 1, 1, 0, 0, 2, 1, 0, 0, 2, 1},
         0,
         {},
         {"#.", "##"}},
        {"a skip above the top ends the image", 8, 2, 2, {1, 1, 0, 2, 0, 5, 2, 1}, 0, {}, {"..", "#."}},
        {"a file cut inside a literal keeps what came before", 8, 3, 1, {1, 1, 0, 9, 1, 1}, 0, {}, {"#.."}},
    };
    for (const TRleCase& c : cases) {
        SCOPED_TRACE(c.what);
        TBmpFile f;
        f.FileHeader(14 + 40 + 8);
        f.InfoHeader(c.width, c.height, c.bits, c.bits == 8 ? 1 : 2, 2);
        f.Raw({0, 0, 0, 0, 255, 255, 255, 0});
        f.bytes.insert(f.bytes.end(), c.before.begin(), c.before.end());
        f.Repeat({0, 2, 255, 0}, c.skips);
        f.bytes.insert(f.bytes.end(), c.after.begin(), c.after.end());
        f.Finish();
        TBitmap b;
        ASSERT_TRUE(LoadBmp(f.bytes, b));
        ASSERT_EQ(c.width, b.Width());
        ASSERT_EQ(c.height, b.Height());
        for (int y = 0; y < c.height; ++y) {
            std::string row;
            for (int x = 0; x < c.width; ++x) row += b.Pixel(x, y) == kColorWhite ? '#' : '.';
            EXPECT_EQ(c.image[static_cast<size_t>(y)], row) << "row " << y;
        }
    }
}

}  // namespace
}  // namespace tw
