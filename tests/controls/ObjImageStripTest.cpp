// The glyph strips handed to controls that draw their own check and radio glyphs: the cell map
// of each kind for 4- and 5-frame skin strips, and the strip built from a skin strip by pixels.
#include <gtest/gtest.h>

#include "skin/controls/ObjImageStrip.h"

namespace tw {
namespace {

TEST(ObjImageStripTest, EachKindMapsTheSkinCellsItHas) {
    const struct {
        int kind, frames, cells;
        std::vector<TCellCopy> copies;
    } cases[] = {
        {1, 4, 9, {{0, 0}, {3, 0}, {1, 1}, {4, 1}, {6, 2}, {7, 3}}},
        {1, 5, 9, {{0, 0}, {3, 0}, {1, 1}, {4, 1}, {6, 2}, {7, 3}, {2, 4}, {5, 4}, {8, 4}}},
        // The wide strips' states lie among their hot and pressed cells.
        {1, 12, 9, {{0, 0}, {3, 0}, {1, 4}, {4, 4}, {6, 3}, {7, 7}, {2, 8}, {5, 8}, {8, 8}}},
        {2, 4, 6, {{0, 0}, {2, 0}, {1, 1}, {3, 1}, {4, 2}, {5, 3}}},
        {2, 8, 6, {{0, 0}, {2, 0}, {1, 4}, {3, 4}, {4, 3}, {5, 7}}},
        {3, 12, 6, {{0, 0}, {3, 0}, {1, 4}, {4, 4}, {2, 8}, {5, 8}}},
        {3, 4, 6, {{0, 0}, {3, 0}, {1, 1}, {4, 1}}},
        {3, 5, 6, {{0, 0}, {3, 0}, {1, 1}, {4, 1}, {2, 4}, {5, 4}}},
        // A strip too short for the disabled cells copies only what it has.
        {1, 2, 9, {{0, 0}, {3, 0}, {1, 1}, {4, 1}}},
        {2, 1, 6, {{0, 0}, {2, 0}}},
        {0, 4, 0, {}},
        {4, 4, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + ", " + std::to_string(c.frames) + " frames");
        const TObjStripPlan plan = ObjStripPlan(c.kind, c.frames);
        EXPECT_EQ(c.cells, plan.TargetCells);
        EXPECT_EQ(c.copies, plan.Copies);
    }
}

TEST(ObjImageStripTest, TheBuiltStripCarriesEachSourceCellWhereThePlanPutsIt) {
    // Five cells of 3 by 2, each a colour of its own with one odd pixel to catch a shifted copy.
    const int w = 3, h = 2, frames = 5;
    TBitmap source(w * frames, h);
    for (int cell = 0; cell < frames; ++cell)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                source.SetPixel(cell * w + x, y,
                                x == 1 && y == 1 ? RGBColor(0, 0, cell) : RGBColor(10 * cell + 10, 0, 0));
    for (int kind = 1; kind <= 3; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        const TObjStripPlan plan = ObjStripPlan(kind, frames);
        const TBitmap strip = BuildObjStrip(source, frames, kind);
        ASSERT_EQ(w * plan.TargetCells, strip.Width());
        ASSERT_EQ(h, strip.Height());
        std::vector<bool> filled(static_cast<size_t>(plan.TargetCells), false);
        for (const TCellCopy& c : plan.Copies) {
            filled[static_cast<size_t>(c.Target)] = true;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    EXPECT_EQ(source.Pixel(c.Source * w + x, y), strip.Pixel(c.Target * w + x, y))
                        << "cell " << c.Target << " pixel " << x << "," << y;
        }
        for (int t = 0; t < plan.TargetCells; ++t)
            if (!filled[static_cast<size_t>(t)]) {
                EXPECT_EQ(kColorMagenta, strip.Pixel(t * w, 0)) << "unfilled cell " << t;
            }
    }
    EXPECT_TRUE(BuildObjStrip(TBitmap(), 4, 1).Empty());
    EXPECT_TRUE(BuildObjStrip(source, 0, 1).Empty());
    EXPECT_TRUE(BuildObjStrip(source, 16, 1).Empty()) << "cells of no width";
    EXPECT_TRUE(BuildObjStrip(source, 5, 7).Empty());
}

}  // namespace
}  // namespace tw
