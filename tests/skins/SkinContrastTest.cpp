// Readable text in every state: each text colour a skin gives against the pixels it is drawn
// on (the middle of the frame, inside the nine-slice margins) reaches a contrast of 4.5:1.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/NineSlice.h"
#include "tests/skins/SkinFixture.h"
#include "tools/skingen/Colour.h"

namespace tw::skintest {
namespace {

using skingen::ContrastRatio;
using skingen::kKey;
using skingen::Rgb;

constexpr double kMinimum = 4.5;

struct TRegion {
    int Left, Top, Right, Bottom;  // within the frame cell
};

// The lowest contrast of text against the non-key pixels of a region of one frame.
double MinContrast(Rgb text, const TBitmap& image, int frames, int frame, bool stacked, TRegion r) {
    const TRect cell = FrameCell(image.Width(), image.Height(), frames, frame, stacked);
    double worst = 21;
    for (int y = std::max(0, r.Top); y < std::min(cell.Height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(cell.Width(), r.Right); ++x) {
            const Rgb p = ToRgb(image.Pixel(cell.Left + x, cell.Top + y));
            if (p != kKey) worst = std::min(worst, ContrastRatio(text, p));
        }
    return worst;
}

// Inside the margins: where text lands on a nine-sliced face.
TRegion Inner(const TDataSkinObject& o, int frames, bool stacked = false) {
    const TRect cell = FrameCell(o.Image.Width(), o.Image.Height(), frames, 1, stacked);
    return {o.LeftWidth, o.TopHeight, cell.Width() - o.RightWidth, cell.Height() - o.BottomHeight};
}

void ExpectReadable(const std::string& what, double ratio) {
    EXPECT_GE(ratio, kMinimum) << what << " has a contrast of only " << ratio;
}

TEST(SkinContrast, NamedColourPairsAreReadable) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinColours& k = skin.Data->Colours;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        const auto c = [](TColor v) { return ToRgb(v); };
        ExpectReadable("WindowText on ButtonFace", ContrastRatio(c(k.WindowText), c(k.ButtonFace)));
        ExpectReadable("ButtonText on ButtonFace", ContrastRatio(c(k.ButtonText), c(k.ButtonFace)));
        ExpectReadable("MenuText on Menu", ContrastRatio(c(k.MenuText), c(k.Menu)));
        ExpectReadable("HilightText on Hilight", ContrastRatio(c(k.HilightText), c(k.Hilight)));
        ExpectReadable("MenuBarText on Menubar", ContrastRatio(c(k.MenuBarText), c(k.Menubar)));
        // Labels, group-box and check-box captions keep the system window-text colour (black).
        ExpectReadable("black labels on ButtonFace", ContrastRatio(skingen::kBlack, c(k.ButtonFace)));
    }
}

TEST(SkinContrast, TitleTextIsReadableOnTheActiveAndInactiveTitleBar) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        const TDataSkinBorder& top = *s.Top;
        const int width = top.Image.Width();
        // Text rows: from the vertical text offset, one font height down; columns: the stretched middle.
        const TRegion band{top.LeftWidth, s.Title->TopHeight, width - top.RightWidth,
                           s.Title->TopHeight + s.Title->FontHeight};
        ASSERT_NE(s.Title->ActiveText, kTitleColourNotGiven);
        ASSERT_NE(s.Title->InActiveText, kTitleColourNotGiven);
        ExpectReadable("active title text", MinContrast(ToRgb(s.Title->ActiveText), top.Image, 2, 1, true, band));
        ExpectReadable("inactive title text", MinContrast(ToRgb(s.Title->InActiveText), top.Image, 2, 2, true, band));
        ExpectReadable("TitleTextActive", MinContrast(ToRgb(s.Colours.TitleTextActive), top.Image, 2, 1, true, band));
        ExpectReadable("TitleTextNoActive",
                       MinContrast(ToRgb(s.Colours.TitleTextNoActive), top.Image, 2, 2, true, band));
    }
}

TEST(SkinContrast, ButtonCaptionsAreReadableInEveryState) {
    for (const auto& skin : BuiltInSkins()) {
        const TDataSkinButton& b = *skin.Data->Buttons;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        ASSERT_TRUE(b.HasNormalColour2 && b.HasMouseOverColour2 && b.HasPressedColour2);
        const TRegion inner = Inner(b, 5);
        ExpectReadable("normal", MinContrast(ToRgb(b.NormalColour2), b.Image, 5, 1, false, inner));
        ExpectReadable("pressed", MinContrast(ToRgb(b.PressedColour2), b.Image, 5, 2, false, inner));
        ExpectReadable("hot", MinContrast(ToRgb(b.MouseOverColour2), b.Image, 5, 4, false, inner));
        // Frames without an override use the control's font colour (the system black).
        ExpectReadable("focused", MinContrast(skingen::kBlack, b.Image, 5, 5, false, inner));
        ExpectReadable("focused in ButtonText",
                       MinContrast(ToRgb(skin.Data->Colours.ButtonText), b.Image, 5, 5, false, inner));
    }
}

TEST(SkinContrast, TabHeaderStatusAndMenuTextIsReadable) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        const TSkinColours& k = s.Colours;
        ExpectReadable("tab text",
                       MinContrast(ToRgb(s.Tabs->NormalColour2), s.Tabs->Image, 5, 1, false, Inner(*s.Tabs, 5)));
        ExpectReadable("selected tab text",
                       MinContrast(ToRgb(s.Tabs->MouseOverColour2), s.Tabs->Image, 5, 2, false, Inner(*s.Tabs, 5)));
        for (int f = 1; f <= 3; ++f)
            ExpectReadable("status text, bevel " + std::to_string(f),
                           MinContrast(ToRgb(s.StatusBarEdges->NormalColour2), s.StatusBarEdges->Image, 3, f, false,
                                       Inner(*s.StatusBarEdges, 3)));
        for (int f : {1, 2})
            ExpectReadable("header text, frame " + std::to_string(f),
                           MinContrast(skingen::kBlack, s.Headerbar->Image, 5, f, false, Inner(*s.Headerbar, 5)));
        ExpectReadable("selected menu item",
                       MinContrast(ToRgb(k.HilightText), s.MenuItem->Image, 5, 4, false, Inner(*s.MenuItem, 5)));
        const TDataSkinObject& back = *s.MenuBackground;
        ExpectReadable("menu text on its background",
                       MinContrast(ToRgb(k.MenuText), back.Image, 1, 1, false,
                                   {back.LeftWidth, back.TopHeight, back.Image.Width() - back.RightWidth,
                                    back.Image.Height() - back.BottomHeight}));
        ExpectReadable("menu bar text",
                       MinContrast(ToRgb(k.MenuBarText), s.MenuBar->Image, 2, 1, true, Inner(*s.MenuBar, 2, true)));
    }
}

}  // namespace
}  // namespace tw::skintest
