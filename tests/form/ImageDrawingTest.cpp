// The skin-image routines drawn into a DIB section from a small two-frame strip: what each
// keeps, stretches, tiles and leaves transparent, which cell a frame index picks, that inverted
// rectangles draw nothing, regions of key pixels, a parent painted behind a control, and that
// none of it leaks a GDI object.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/ImageRegion.h"
#include "skin/form/PaintControlTo.h"
#include "skin/form/TransparentCopy.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

constexpr TColor kGrey = RGBColor(90, 90, 90);
constexpr TColor kTopLeft = RGBColor(255, 255, 0), kTopRight = RGBColor(0, 255, 255);
constexpr TColor kBottomLeft = RGBColor(255, 128, 0), kBottomRight = RGBColor(128, 0, 128);
constexpr TColor kEdge1 = RGBColor(200, 0, 0), kEdge2 = RGBColor(0, 200, 0);
constexpr TColor kBlue = RGBColor(0, 0, 200), kWhite = RGBColor(255, 255, 255);

// Two 8 x 8 frames side by side, margins of 2: coloured 2 x 2 corners whose outermost pixel is
// magenta, edges red in frame 1 and green in frame 2, a 4 x 4 centre blue on its left half and
// white on its right half.
TBitmap SkinStrip() {
    TBitmap strip(16, 8);
    for (int f = 0; f < 2; ++f) {
        const int x0 = 8 * f;
        strip.FillRect(x0, 0, x0 + 8, 8, f == 0 ? kEdge1 : kEdge2);
        strip.FillRect(x0 + 2, 2, x0 + 4, 6, kBlue);
        strip.FillRect(x0 + 4, 2, x0 + 6, 6, kWhite);
        strip.FillRect(x0, 0, x0 + 2, 2, kTopLeft);
        strip.FillRect(x0 + 6, 0, x0 + 8, 2, kTopRight);
        strip.FillRect(x0, 6, x0 + 2, 8, kBottomLeft);
        strip.FillRect(x0 + 6, 6, x0 + 8, 8, kBottomRight);
        strip.SetPixel(x0, 0, kColorMagenta);
    }
    return strip;
}

TSliceOptions Frame(int index, int margins = 2, bool tile = false) {
    TSliceOptions o;
    o.FrameCount = 2;
    o.FrameIndex = index;
    o.LeftWidth = o.TopHeight = o.RightWidth = o.BottomHeight = margins;
    o.Tile = tile;
    return o;
}

// A grey 24-bit target selected into a DC.
class TTarget {
public:
    TTarget(int w, int h) : bitmap_(w, h), dc_(nullptr, bitmap_) { bitmap_.Fill(kGrey); }
    HDC Dc() const { return dc_.Get(); }
    TColor At(int x, int y) {
        GdiFlush();
        return bitmap_.Pixel(x, y);
    }
    TBitmap Snapshot() {
        GdiFlush();
        return bitmap_;
    }
    bool Same(const TBitmap& before) {
        GdiFlush();
        return bitmap_.SamePixels(before);
    }

private:
    TBitmap bitmap_;
    TBitmapDC dc_;
};

std::string Hex(TColor c) {
    char text[16];
    snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
    return text;
}
// Colours print as hexadecimal RGB values (0xBBGGRR) when they differ.
#define EXPECT_COLOUR(expected, actual) EXPECT_EQ(Hex(expected), Hex(actual))

TEST(ImageDrawing, NineSliceKeepsCornersStretchesOrTilesTheCentreAndLeavesKeyPixels) {
    const TBitmap strip = SkinStrip();
    TTarget t(64, 48);
    // Frame 2 over (10, 10)-(40, 30): the centre (12, 12)-(38, 28) is 26 wide.
    DrawNineSlice(t.Dc(), RECT{10, 10, 40, 30}, strip, Frame(2), false);
    EXPECT_COLOUR(kColorMagenta, t.At(10, 10));  // opaque: the key pixel is drawn
    EXPECT_COLOUR(kTopLeft, t.At(11, 11));
    EXPECT_COLOUR(kTopRight, t.At(38, 10));
    EXPECT_COLOUR(kBottomLeft, t.At(10, 29));
    EXPECT_COLOUR(kBottomRight, t.At(39, 28));
    EXPECT_COLOUR(kEdge2, t.At(10, 20));  // frame 2's edges
    EXPECT_COLOUR(kEdge2, t.At(25, 10));
    EXPECT_COLOUR(kBlue, t.At(13, 20));  // stretched: blue half, then white half
    EXPECT_COLOUR(kBlue, t.At(23, 20));
    EXPECT_COLOUR(kWhite, t.At(27, 20));
    EXPECT_COLOUR(kWhite, t.At(37, 20));
    EXPECT_COLOUR(kGrey, t.At(9, 20));
    EXPECT_COLOUR(kGrey, t.At(40, 20));
    EXPECT_COLOUR(kGrey, t.At(20, 30));

    // Tiled: 4-wide tiles from x = 12 alternate two blue and two white columns.
    TTarget u(64, 48);
    DrawNineSlice(u.Dc(), RECT{10, 10, 40, 30}, strip, Frame(1, 2, true), true);
    EXPECT_COLOUR(kGrey, u.At(10, 10)) << "magenta is transparent";
    EXPECT_COLOUR(kTopLeft, u.At(11, 10));
    EXPECT_COLOUR(kEdge1, u.At(10, 20));
    for (int x = 12; x < 38; ++x) EXPECT_COLOUR((x - 12) % 4 < 2 ? kBlue : kWhite, u.At(x, 20)) << x;
    EXPECT_COLOUR(kEdge1, u.At(38, 20)) << "the right edge covers the last tile";

    // A frame index past the strip is its last frame; too small a rect drops the margins.
    DrawNineSlice(t.Dc(), RECT{0, 40, 3, 48}, strip, Frame(7), false);
    EXPECT_COLOUR(kEdge2, t.At(1, 40));
    EXPECT_COLOUR(kGrey, t.At(3, 40));
}

TEST(ImageDrawing, StripRoutinesPickTheirCellAndPlaceIt) {
    const TBitmap strip = SkinStrip();
    TTarget t(120, 80);
    TSliceOptions caps = Frame(1);

    // Three-slice over (0, 0)-(30, 8): caps of 2, the 4-wide middle repeated unscaled.
    DrawThreeSlice(t.Dc(), RECT{0, 0, 30, 8}, strip, caps, false);
    EXPECT_COLOUR(kTopLeft, t.At(1, 1));
    for (int x = 2; x < 28; ++x) EXPECT_COLOUR((x - 2) % 4 < 2 ? kBlue : kWhite, t.At(x, 4)) << x;
    EXPECT_COLOUR(kEdge1, t.At(28, 4));
    EXPECT_COLOUR(kTopRight, t.At(29, 0));
    // Caps as wide as the cell leave no middle; the space between them keeps what was there.
    caps.LeftWidth = caps.RightWidth = 8;
    DrawThreeSlice(t.Dc(), RECT{0, 10, 30, 18}, strip, caps, false);
    EXPECT_COLOUR(kBlue, t.At(3, 14));
    EXPECT_COLOUR(kGrey, t.At(15, 14));
    EXPECT_COLOUR(kBlue, t.At(25, 14));

    // Strip frame: cell 2 doubled into 16 x 16, transparently: its magenta pixel becomes a
    // transparent 2 x 2 block.
    DrawStripFrame(t.Dc(), RECT{40, 0, 56, 16}, strip, Frame(2), true);
    EXPECT_COLOUR(kGrey, t.At(40, 0));
    EXPECT_COLOUR(kGrey, t.At(41, 1));
    EXPECT_COLOUR(kTopLeft, t.At(42, 0));
    EXPECT_COLOUR(kEdge2, t.At(40, 8));
    EXPECT_COLOUR(kWhite, t.At(49, 8));

    // Centred: cell 1 unscaled at ((20 - 8) / 2, (12 - 8) / 2) of (60, 20)-(80, 32).
    DrawStripCentered(t.Dc(), RECT{60, 20, 80, 32}, strip, Frame(1), true);
    EXPECT_COLOUR(kGrey, t.At(66, 22)) << "transparent key pixel";
    EXPECT_COLOUR(kTopLeft, t.At(67, 22));
    EXPECT_COLOUR(kGrey, t.At(65, 24));
    EXPECT_COLOUR(kGrey, t.At(74, 24));
    EXPECT_COLOUR(kBottomRight, t.At(73, 29));
    EXPECT_COLOUR(kGrey, t.At(70, 30));

    // Three-part stretch over 40 x 16: caps doubled in height, the middle stretched both ways.
    DrawThreePartStretch(t.Dc(), RECT{0, 40, 40, 56}, strip, Frame(2));
    EXPECT_COLOUR(kColorMagenta, t.At(0, 40));
    EXPECT_COLOUR(kTopLeft, t.At(1, 43));
    EXPECT_COLOUR(kEdge2, t.At(1, 48));
    EXPECT_COLOUR(kBlue, t.At(5, 48));
    EXPECT_COLOUR(kWhite, t.At(30, 48));
    EXPECT_COLOUR(kEdge2, t.At(39, 48));
    // Narrower than the cell: the whole cell squeezed into 4 x 8 (which of two columns a
    // shrinking copy keeps differs between systems: these pixels are the same on all).
    DrawThreePartStretch(t.Dc(), RECT{50, 40, 54, 48}, strip, Frame(1));
    EXPECT_COLOUR(kBlue, t.At(51, 44));
    EXPECT_COLOUR(kWhite, t.At(52, 44));
    EXPECT_COLOUR(kBottomRight, t.At(53, 47));
    EXPECT_COLOUR(kGrey, t.At(54, 44));

    // Tiling the centre of frame 1 (4 x 4) over 21 x 5: cut at the right and bottom edges.
    TileBitmap(t.Dc(), RECT{0, 60, 21, 65}, strip, RECT{2, 2, 6, 6});
    for (int x = 0; x < 21; ++x) EXPECT_COLOUR(x % 4 < 2 ? kBlue : kWhite, t.At(x, 64)) << x;
    EXPECT_COLOUR(kGrey, t.At(21, 62));
    EXPECT_COLOUR(kGrey, t.At(5, 65));
}

TEST(ImageDrawing, InvertedEmptyOrSourcelessDrawingsLeaveEveryPixel) {
    const TBitmap strip = SkinStrip();
    TTarget t(40, 40);
    const TBitmap before = t.Snapshot();
    const RECT inverted{30, 30, 10, 10}, flat{10, 10, 30, 10};
    for (const RECT& r : {inverted, flat}) {
        DrawNineSlice(t.Dc(), r, strip, Frame(1), false);
        DrawThreeSlice(t.Dc(), r, strip, Frame(1), false);
        DrawStripFrame(t.Dc(), r, strip, Frame(1), true);
        DrawStripCentered(t.Dc(), r, strip, Frame(1), false);
        DrawThreePartStretch(t.Dc(), r, strip, Frame(1));
        TileBitmap(t.Dc(), r, strip, RECT{0, 0, 4, 4});
        TransparentCopy(t.Dc(), r, strip);
    }
    TileBitmap(t.Dc(), RECT{0, 0, 40, 40}, strip, RECT{6, 6, 2, 2});
    TileBitmap(t.Dc(), RECT{0, 0, 40, 40}, strip, RECT{20, 0, 30, 8});  // outside the image
    DrawNineSlice(t.Dc(), RECT{0, 0, 40, 40}, TBitmap(), Frame(1), false);
    DrawNineSlice(nullptr, RECT{0, 0, 40, 40}, strip, Frame(1), false);
    EXPECT_TRUE(t.Same(before));
}

TEST(ImageDrawing, TransparentCopyKeepsTheDestinationUnderKeyPixelsOnly) {
    TBitmap picture(3, 2);
    picture.Fill(kBlue);
    picture.SetPixel(1, 0, kColorMagenta);
    picture.SetPixel(2, 1, RGBColor(255, 1, 255));  // near the key is not the key
    TTarget t(8, 8);
    TransparentCopy(t.Dc(), RECT{2, 3, 8, 8}, picture);
    EXPECT_COLOUR(kBlue, t.At(2, 3));
    EXPECT_COLOUR(kGrey, t.At(3, 3));
    EXPECT_COLOUR(RGBColor(255, 1, 255), t.At(4, 4));
    EXPECT_COLOUR(kGrey, t.At(5, 3));
    // Only as much as the rect holds.
    TransparentCopy(t.Dc(), RECT{0, 0, 1, 1}, picture);
    EXPECT_COLOUR(kBlue, t.At(0, 0));
    EXPECT_COLOUR(kGrey, t.At(1, 0));
    EXPECT_COLOUR(kGrey, t.At(0, 1));
}

TEST(ImageDrawing, RegionFromBitmapLeavesKeyPixelsOutInBatches) {
    const TRegionHandle strip = RegionFromBitmap(SkinStrip(), 100, 50, 1, 1, 1);
    ASSERT_TRUE(strip);
    EXPECT_FALSE(PtInRegion(strip.Get(), 100, 50));
    EXPECT_TRUE(PtInRegion(strip.Get(), 101, 50));
    EXPECT_FALSE(PtInRegion(strip.Get(), 108, 50));
    EXPECT_TRUE(PtInRegion(strip.Get(), 115, 57));
    EXPECT_FALSE(PtInRegion(strip.Get(), 116, 57));
    RECT box{};
    EXPECT_EQ(COMPLEXREGION, GetRgnBox(strip.Get(), &box));
    EXPECT_EQ(100, box.left);
    EXPECT_EQ(116, box.right);

    TBitmap keys(10, 10);
    keys.Fill(RGBColor(255, 1, 255));
    EXPECT_FALSE(RegionFromBitmap(keys, 0, 0, 1, 1, 1));
    EXPECT_TRUE(RegionFromBitmap(keys, 0, 0, 1, 0, 1)) << "without green tolerance nothing is a key";

    // A checkerboard of 200 x 31 is 100 runs a row that never repeat: 3100 rectangles, two batches.
    TBitmap board(200, 31);
    for (int y = 0; y < board.Height(); ++y)
        for (int x = 0; x < board.Width(); ++x) board.SetPixel(x, y, (x + y) % 2 ? kColorMagenta : kBlue);
    const TRegionHandle checks = RegionFromBitmap(board, -5, 0, 1, 1, 1);
    ASSERT_TRUE(checks);
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 200; x += 13)
            ASSERT_EQ((x + y) % 2 == 0, PtInRegion(checks.Get(), x - 5, y) != FALSE) << x << "," << y;
    EXPECT_EQ(COMPLEXREGION, GetRgnBox(checks.Get(), &box));
    EXPECT_EQ(RECT({-5, 0, 195, 31}).right, box.right);
    EXPECT_EQ(-5, box.left);
}

// A windowless control painting one colour over a square at its top-left corner, and asking for
// its parent's image behind it when told to.
class TSwatch : public TGraphicControl {
public:
    TSwatch(TComponent* owner, TColor colour, int side) : TGraphicControl(owner), colour_(colour), side_(side) {}
    bool AskParent = false;
    int Paints = 0;

protected:
    void Paint(HDC dc) override {
        ++Paints;
        if (AskParent) PaintControlTo(*this, dc);
        TBrushHandle brush(CreateSolidBrush(colour_));
        RECT r{0, 0, side_, side_};
        FillRect(dc, &r, brush.Get());
    }

private:
    TColor colour_;
    int side_;
};

class PaintControlToTest : public TApplicationTest {};

TEST_F(PaintControlToTest, TheParentPaintsBehindTheControlAndTheDcComesBackAsItWas) {
    auto* form = new TForm(app_);
    form->SetColor(RGBColor(0, 128, 0));
    form->SetBounds(50, 50, 300, 200);
    // The control at (40, 30) 60 x 20 with a white 10 x 10 square, and a blue sibling
    // overlapping its right part from x = 80.
    auto* control = new TSwatch(form, kWhite, 10);
    control->SetParent(form);
    control->SetBounds(40, 30, 60, 20);
    auto* sibling = new TSwatch(form, kBlue, 50);
    sibling->SetParent(form);
    sibling->SetBounds(80, 20, 50, 50);
    form->HandleNeeded();

    TTarget t(100, 60);
    // The control's DC: its origin at (10, 5) of the target, clipped to (10, 5)-(70, 25).
    SetViewportOrgEx(t.Dc(), 10, 5, nullptr);
    IntersectClipRect(t.Dc(), 0, 0, 60, 20);
    ASSERT_TRUE(PaintControlTo(*control, t.Dc()));
    EXPECT_COLOUR(RGBColor(0, 128, 0), t.At(20, 5));  // the form's colour behind the control
    EXPECT_COLOUR(RGBColor(0, 128, 0), t.At(49, 24));
    EXPECT_COLOUR(kBlue, t.At(50, 5));  // the sibling, 40 pixels into the control
    EXPECT_COLOUR(kBlue, t.At(69, 24));
    EXPECT_COLOUR(kWhite, t.At(10, 5)) << "the control itself is painted by the parent too";
    EXPECT_COLOUR(kWhite, t.At(19, 14));
    EXPECT_COLOUR(kGrey, t.At(9, 5)) << "clipped to the control";
    EXPECT_COLOUR(kGrey, t.At(70, 5));
    EXPECT_COLOUR(kGrey, t.At(20, 25));

    POINT origin{};
    GetViewportOrgEx(t.Dc(), &origin);
    RECT clip{};
    GetClipBox(t.Dc(), &clip);
    EXPECT_EQ(10, origin.x);
    EXPECT_EQ(5, origin.y);
    EXPECT_EQ(60, clip.right);
    EXPECT_EQ(20, clip.bottom);

    // A control whose painting asks for its parent's image gets it once, not endlessly.
    control->AskParent = true;
    control->Paints = 0;
    EXPECT_TRUE(PaintControlTo(*control, t.Dc()));
    EXPECT_EQ(1, control->Paints);

    // Without a parent window nothing is painted and the DC is left alone.
    TSwatch orphan(nullptr, kBlue, 5);
    const TBitmap before = t.Snapshot();
    EXPECT_FALSE(PaintControlTo(orphan, t.Dc()));
    EXPECT_FALSE(PaintControlTo(*control, nullptr));
    EXPECT_TRUE(t.Same(before));
    GetViewportOrgEx(t.Dc(), &origin);
    EXPECT_EQ(10, origin.x);
    delete form;
}

TEST_F(PaintControlToTest, HundredsOfDrawingsLeaveNoGdiObjectBehind) {
    auto* form = new TForm(app_);
    auto* control = new TSwatch(form, kWhite, 8);
    control->SetParent(form);
    control->SetBounds(4, 4, 20, 20);
    form->HandleNeeded();
    const TBitmap strip = SkinStrip();
    TTarget t(64, 64);
    auto drawEverything = [&] {
        DrawNineSlice(t.Dc(), RECT{0, 0, 40, 30}, strip, Frame(2, 2, true), true);
        DrawNineSlice(t.Dc(), RECT{40, 30, 0, 0}, strip, Frame(2), false);
        DrawThreeSlice(t.Dc(), RECT{0, 0, 50, 8}, strip, Frame(1), true);
        DrawStripFrame(t.Dc(), RECT{0, 0, 30, 30}, strip, Frame(1), true);
        DrawStripFrame(t.Dc(), RECT{0, 0, 30, 30}, strip, Frame(1), false);
        DrawStripCentered(t.Dc(), RECT{0, 0, 30, 30}, strip, Frame(2), true);
        DrawThreePartStretch(t.Dc(), RECT{0, 0, 60, 10}, strip, Frame(2));
        TileBitmap(t.Dc(), RECT{0, 0, 64, 64}, strip, RECT{2, 2, 6, 6});
        TransparentCopy(t.Dc(), RECT{0, 0, 64, 64}, strip);
        TRegionHandle region = RegionFromBitmap(strip, 0, 0, 1, 1, 1);
        PaintControlTo(*control, t.Dc());
    };
    drawEverything();  // anything made once for the process is made now
    test::TGuiObjectCount before, after;
    ASSERT_TRUE(test::CountGuiObjects(before));
    for (int i = 0; i < 300; ++i) drawEverything();
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(before.ByType, after.ByType);
    delete form;
}

}  // namespace
}  // namespace tw
