// The images a parse derives from the skin: the sunken combo strips, the combo arrow, the
// toolbar background, and the title sample colour.
#include "skin/data/BitmapRoutines.h"
#include "skin/data/NineSlice.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"

namespace tw {

namespace {

TSliceOptions SliceOf(const TDataSkinObject& o, int frame) {
    TSliceOptions s;
    s.FrameCount = o.FrameCount;
    s.FrameIndex = frame;
    s.LeftWidth = o.LeftWidth;
    s.TopHeight = o.TopHeight;
    s.RightWidth = o.RightWidth;
    s.BottomHeight = o.BottomHeight;
    return s;
}

void CopyInto(TBitmap& target, int atX, const TBitmap& source) {
    StretchCopy(target, TRect(atX, 0, atX + source.Width(), source.Height()), source,
                TRect(0, 0, source.Width(), source.Height()));
}

}  // namespace

void TSkinData::BuildDerivedImages() {
    if (!Toolbar) Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    if (!ComboxArrow) ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    BuildSunkenComboStrip();
    BuildComboxArrow();
    BuildToolbarBackground();  // takes the title sample on its way
}

void TSkinData::BuildSunkenComboStrip() {
    if (!SunkEdge || !ComboButton) return;
    const int n = std::max(SunkEdge->FrameCount, 1);
    const int b = HScrollArrowWidth() + 2;
    TBitmap cell(50, 21), strip(50 * n, 21);
    cell.Fill(kColorMagenta);
    strip.Fill(kColorMagenta);
    for (int k = 1; k <= n; ++k) {
        DrawNineSliceTo(cell, TRect(0, 0, 50, 21), SunkEdge->Image, SliceOf(*SunkEdge, k), SunkEdge->Trans != 0);
        const TRect button(50 - b, 0, 50, 21);
        DrawNineSliceTo(cell, button, ComboButton->Image, SliceOf(*ComboButton, k), true);
        if (ExtraImages) DrawStripCenteredTo(cell, button, ExtraImages->Image, true, ExtraImages->FrameCount, k);
        cell.FillRect(2, 2, 49 - b, 18, kColorMagenta);
        CopyInto(strip, 50 * (k - 1), cell);
    }
    ComboButton->Style = 2;
    ComboButton->LeftWidth = 2;
    ComboButton->TopHeight = SunkEdge->TopHeight;
    ComboButton->RightWidth = b + 2;
    ComboButton->BottomHeight = SunkEdge->BottomHeight;
    ComboButton->Image = strip;
    MirrorBitmap(strip);
    SunkEdge->Image = std::move(strip);
    SunkEdge->LeftWidth = b + 2;
    SunkEdge->RightWidth = 2;
}

void TSkinData::BuildComboxArrow() {
    if (!SunkEdge && ComboButton) {
        ComboxArrow->Image = ComboButton->Image;
        // The face colour as drawn: a system colour value is looked up first.
        ReplaceMagenta(ComboxArrow->Image, ResolveColor(Colours.ButtonFace));
        ComboxArrow->FrameCount = ComboButton->FrameCount;
    } else if (SunkEdge && ComboButton) {
        const int n = std::max(SunkEdge->FrameCount, 1);
        const int w = ComboButton->Image.Width() / n;
        TBitmap arrow(17 * n, 17);
        for (int i = 0; i < n; ++i) {
            const int right = w * (i + 1);
            StretchCopy(arrow, TRect(17 * i, 0, 17 * i + 17, 17), ComboButton->Image,
                        TRect(right - 19, 2, right - 2, 19));
        }
        ComboxArrow->Image = std::move(arrow);
        ComboxArrow->FrameCount = n;
    }
}

void TSkinData::BuildToolbarBackground() {
    TakeTitleSample();
    const TColor base = TitleSample;
    TColor end = Blend(0x808080, base, 150);
    const TColor start = Blend(Colours.ButtonFace, kColorWhite, 150);
    // Saturation of the colour as drawn, so a system colour value is looked up first.
    const int s = SaturationOf(ResolveColor(base));
    if (s > 110) end = Blend(base, kColorWhite, (5625 - 25 * s) / 140 + 50);
    TBitmap image(10, 40);
    GradientFillBitmap(image, TRect(0, 0, 10, 40), TRect(0, 0, 10, 40), start, true, end);
    Toolbar->Image = std::move(image);
    Toolbar->FrameCount = 1;
}

void TSkinData::TakeTitleSample() {
    if (Top && !Top->Image.Empty()) {
        const int frames = std::max(Top->FrameCount, 1);
        TitleSample = Top->Image.Pixel(Top->Image.Width() / 3, (Top->Image.Height() / frames) / 3);
    } else {
        TitleSample = Colours.ButtonFace;
    }
}

}  // namespace tw
