#include <gtest/gtest.h>

#include <string>

#include "framework/core/MemoryStream.h"
#include "skin/data/BmpCodec.h"
#include "skin/data/BuiltinBitmaps.h"

namespace tw {
namespace {

TBitmap LoadResourceFile(const std::string& name) {
    TMemoryStream bytes;
    EXPECT_TRUE(bytes.LoadFromFile(std::string(TW_SKIN_RES_DIR) + "/" + name)) << name;
    TBitmap b;
    LoadBmp(bytes.Memory(), bytes.Size(), b);
    return b;
}

TEST(BuiltinBitmaps, ResourceFilesMatchTheDrawings) {
    const TBitmap glyphs = LoadResourceFile("thalormenu.bmp");
    EXPECT_EQ(TPixelFormat::pf1bit, glyphs.PixelFormat());
    EXPECT_EQ(64, glyphs.Width());
    EXPECT_EQ(16, glyphs.Height());
    EXPECT_TRUE(glyphs.SamePixels(DrawnMenuGlyphBitmap()));
    const TBitmap track = LoadResourceFile("track.bmp");
    EXPECT_EQ(16, track.Width());
    EXPECT_EQ(4, track.Height());
    EXPECT_TRUE(track.SamePixels(DrawnTrackBitmap()));
    const TBitmap vert = LoadResourceFile("trackvert.bmp");
    EXPECT_EQ(4, vert.Width());
    EXPECT_EQ(16, vert.Height());
    EXPECT_TRUE(vert.SamePixels(DrawnTrackVertBitmap()));
}

TEST(BuiltinBitmaps, MenuGlyphsUseOnlyInkAndPaper) {
    const TBitmap glyphs = BuiltinMenuGlyphBitmap();
    int ink[4] = {0, 0, 0, 0};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const TColor c = glyphs.Pixel(x, y);
            ASSERT_TRUE(c == 0 || c == kColorWhite);
            if (c == 0) ++ink[x / 16];
        }
    for (int glyph = 0; glyph < 4; ++glyph) EXPECT_GT(ink[glyph], 10) << glyph;
}

}  // namespace
}  // namespace tw
