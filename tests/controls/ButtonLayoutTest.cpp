// Which strip frame shows each check and radio state for strips of every size, and where a
// glyph button puts its glyph and caption for each layout, margin, spacing and glyph count.
#include <gtest/gtest.h>

#include "skin/controls/CheckFrame.h"
#include "skin/controls/GlyphLayout.h"

namespace tw {
namespace {

constexpr TCheckState kUn = TCheckState::Unchecked, kOn = TCheckState::Checked, kGray = TCheckState::Grayed;

TEST(ButtonLayoutTest, CheckAndRadioFramesForEveryStrip) {
    struct Case {
        TCheckState state;
        bool enabled;
        int check4, check8, check12, radio4, radio8, radio12;
    };
    const Case cases[] = {
        {kUn, true, 1, 1, 1, 1, 1, 1},
        {kOn, true, 2, 5, 5, 2, 5, 5},
        {kUn, false, 3, 4, 4, 3, 4, 4},
        {kOn, false, 4, 8, 8, 4, 8, 8},
        // A grayed box shows the checked disabled frame of the small strips, its own group in 12,
        // and a grayed and disabled one never reaches past the strip's end.
        {kGray, true, 4, 5, 9, 2, 5, 5},
        {kGray, false, 4, 8, 12, 4, 8, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << static_cast<int>(c.state) << " enabled " << c.enabled);
        const TCheckLook look{c.state, c.enabled};
        EXPECT_EQ(c.check4, CheckBoxFrame(look, 4));
        EXPECT_EQ(c.check8, CheckBoxFrame(look, 8));
        EXPECT_EQ(c.check12, CheckBoxFrame(look, 12));
        EXPECT_EQ(c.radio4, RadioButtonFrame(look, 4));
        EXPECT_EQ(c.radio8, RadioButtonFrame(look, 8));
        EXPECT_EQ(c.radio12, RadioButtonFrame(look, 12));
        // Strips of odd or broken sizes still give a frame inside them.
        for (int count : {-1, 0, 1, 2, 3, 5, 6, 7, 9, 11, 16}) {
            const int most = count < 1 ? 1 : count;
            EXPECT_GE(CheckBoxFrame(look, count), 1) << count;
            EXPECT_LE(CheckBoxFrame(look, count), most) << count;
            EXPECT_GE(RadioButtonFrame(look, count), 1) << count;
            EXPECT_LE(RadioButtonFrame(look, count), most) << count;
        }
    }
    EXPECT_EQ(kUn, CheckStateFromName("cbUnchecked"));
    EXPECT_EQ(kOn, CheckStateFromName("CBCHECKED"));
    EXPECT_EQ(kGray, CheckStateFromName("cbGrayed"));
    EXPECT_EQ(kUn, CheckStateFromName(""));
}

TEST(ButtonLayoutTest, GlyphCountsCellsAndSizes) {
    struct Count {
        int numGlyphs, stripWidth, count, cellWidth;
    };
    const Count counts[] = {
        {1, 16, 1, 16},
        {2, 32, 2, 16},
        {3, 48, 3, 16},
        {4, 64, 4, 16},
        // None, negative, too many, or more cells than the strip has pixels.
        {0, 64, 1, 64},
        {-3, 64, 1, 64},
        {5, 64, 4, 16},
        {4, 2, 2, 1},
    };
    for (const Count& c : counts) {
        SCOPED_TRACE(testing::Message() << "NumGlyphs " << c.numGlyphs << " width " << c.stripWidth);
        EXPECT_EQ(c.count, GlyphCount(c.numGlyphs, c.stripWidth));
        EXPECT_EQ((TSize2{c.cellWidth, 16}), GlyphCellSize(c.stripWidth, 16, c.numGlyphs));
    }
    EXPECT_EQ(TSize2{}, GlyphCellSize(0, 16, 0));
    // The wanted cell when the strip has it, else the up cell.
    EXPECT_EQ(gcUp, GlyphCellFor(gcPressed, 1, 16));
    EXPECT_EQ(gcPressed, GlyphCellFor(gcPressed, 3, 48));
    EXPECT_EQ(gcDown, GlyphCellFor(gcDown, 4, 64));
    EXPECT_EQ(gcUp, GlyphCellFor(gcDisabled, 0, 64));
    EXPECT_EQ(gcUp, GlyphCellFor(gcDown, 9, 2));

    EXPECT_EQ(GlyphSideFromName("BLGLYPHRIGHT"), TGlyphSide::Right);
    EXPECT_EQ(GlyphSideFromName("blGlyphTop"), TGlyphSide::Top);
    EXPECT_EQ(GlyphSideFromName("blGlyphBottom"), TGlyphSide::Bottom);
    EXPECT_EQ(GlyphSideFromName("blGlyphLeft"), TGlyphSide::Left);
    EXPECT_EQ(GlyphSideFromName("sideways"), TGlyphSide::Left);
    EXPECT_EQ(TRect(2, 2, 60, 28), GlyphTextBox({80, 30}, {16, 16}, TGlyphSide::Right));
    EXPECT_EQ(TRect(2, 2, 78, 40), GlyphTextBox({80, 60}, {16, 16}, TGlyphSide::Bottom));
}

TEST(ButtonLayoutTest, GlyphAndCaptionPlacesForEveryLayout) {
    const TSize2 wide{80, 30}, tall{80, 60}, glyph{16, 16}, text{30, 13}, none{};
    struct Case {
        const char* what;
        TSize2 client, glyph, text;
        TGlyphSide side;
        int margin, spacing;
        bool centred, speed;
        TGlyphPlacement at;
    };
    const Case cases[] = {
        {"left centred", wide, glyph, text, TGlyphSide::Left, -1, 4, false, false, {15, 7, 35, 9}},
        {"right centred", wide, glyph, text, TGlyphSide::Right, -1, 4, false, false, {49, 7, 15, 9}},
        {"left spread evenly", wide, glyph, text, TGlyphSide::Left, -1, -1, false, false, {11, 7, 38, 9}},
        {"left margin, free spacing", wide, glyph, text, TGlyphSide::Left, 5, -1, false, false, {5, 7, 35, 9}},
        {"left margin and spacing", wide, glyph, text, TGlyphSide::Left, 5, 4, false, false, {5, 7, 25, 9}},
        {"taCenter ignores the margin", wide, glyph, text, TGlyphSide::Left, 5, 4, true, false, {15, 7, 35, 9}},
        {"right margin and spacing", wide, glyph, text, TGlyphSide::Right, 5, 4, false, false, {59, 7, 25, 9}},
        {"top centred", tall, glyph, text, TGlyphSide::Top, -1, 4, false, false, {32, 13, 25, 33}},
        {"bottom centred", tall, glyph, text, TGlyphSide::Bottom, -1, 4, false, false, {32, 31, 25, 14}},
        {"bottom margin, free spacing", tall, glyph, text, TGlyphSide::Bottom, 3, -1, false, false, {32, 41, 25, 14}},
        {"speed button one pixel on", wide, glyph, text, TGlyphSide::Left, -1, 4, false, true, {16, 7, 36, 9}},
        {"no caption drops the spacing", wide, glyph, none, TGlyphSide::Left, -1, 4, false, false, {32, 7, 48, 15}},
        {"no glyph drops the spacing", wide, none, text, TGlyphSide::Left, -1, 4, false, false, {25, 15, 25, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TGlyphLayoutInput in;
        in.Client = c.client;
        in.Glyph = c.glyph;
        in.Text = c.text;
        in.Side = c.side;
        in.Margin = c.margin;
        in.Spacing = c.spacing;
        in.Centred = c.centred;
        in.Speed = c.speed;
        const TGlyphPlacement p = LayOutGlyph(in);
        EXPECT_EQ(c.at.GlyphX, p.GlyphX);
        EXPECT_EQ(c.at.GlyphY, p.GlyphY);
        EXPECT_EQ(c.at.TextX, p.TextX);
        EXPECT_EQ(c.at.TextY, p.TextY);
    }
}

}  // namespace
}  // namespace tw
