// A skin package built here from bitmaps drawn by simple rules is loaded through a skin store;
// every object, colour and derived image is checked against what the rules say it must be.
#include <gtest/gtest.h>

#include "skin/data/BitmapRoutines.h"
#include "skin/data/BuiltinBitmaps.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinStore.h"
#include "tests/data/SkinTestKit.h"

namespace tw {
namespace {

using test::Painted;
using test::Solid;
using test::TSkinKit;

// Colours of the sunken edge and combo button frames 1..4, and the marker in each button frame.
const TColor kSunk[4] = {RGBColor(10, 0, 0), RGBColor(20, 0, 0), RGBColor(30, 0, 0), RGBColor(40, 0, 0)};
const TColor kCombo[4] = {RGBColor(0, 10, 0), RGBColor(0, 20, 0), RGBColor(0, 30, 0), RGBColor(0, 40, 0)};
const TColor kMarker = RGBColor(1, 2, 3);
constexpr int kMarkerX = 5, kMarkerY = 7;
// The top border: 30 x 20, two stacked frames; the title sample is pixel (10, 3).
const TColor kTopSample = RGBColor(40, 200, 90);

// Columns encode x so that pieces can be traced back to their source position.
TColor Column(int x, int) { return RGBColor(x, 100, 50); }

const char* const kIni = R"(; a test skin
[TitlebarSkin]
SkinName=Kit

[Personality]
Left=C:\skins\kit\left.bmp
LeftTopHeight=5
LeftBotHeight=6
LeftFrame=2
LeftStretch=3
LeftTrans=0
Right=right.BMP
RightFrame=0
Top=top.bmp
TopTopHeight=7
TopBotHeight=8
TopFrame=2
TextBack=textback.bmp
TextShift=4
ActiveTextR=300
ActiveTextG=2
ActiveTextB=3
InActiveTextR=1
menuBar=menubar.bmp
TileMenu=5
TileRightMenu=9

[Fonts]
FontHeight=17

[Colours]
Hilight=1 2 3
WindowText=0x10
ButtonText=

[Colour0]
color=9,8,7
[colours2]
[COLOURZ]
color=

[Customcolors]
Color3=10,20,30

[Button1]
ButtonImage=cap57.bmp
Action=0
Align=1
Xcoord=20
[button2]
ButtonImage=cap114.bmp
Action=1
[Button3]
ButtonImage=cap57.bmp
Action=-1
[Button4]
ButtonImage=cap57.bmp
Action=-1
Visibility=0
[Button5]
ButtonImage=cap114.bmp
frame=2
Action=3
[Button6]
ButtonImage=cap57.bmp
Action=11
[Button.Radio]
Action=5
[BUTTON.CHECKBOX]
[Buttons]
Bitmap=button.bmp
RadioButton=radio.bmp
CheckButton=check.bmp
Tile=2
NormalColour=0xFF
NormalColour2=1,2,3

[MDICONTROLS]
Image=mdi.bmp

[Progress]
Bitmap=progress.bmp
Style=1
Tile=4

[Tab.Pane]
Image=pane.bmp
LeftWidth=10
TopHeight=3
RightWidth=4
BottomHeight=99

[Tabs]
Image=tabs.bmp
Border=tabborder.bmp
Frame=9

[ComboButton]
Image=combo.bmp
[SunkEdge]
Image=sunk.bmp
Trans=0

[Headerbar]
Image=header.bmp
Frame=0
[HorzScrollThumb]
Image=thumb.bmp
[VertScrollThumb]
Image=thumb.bmp
FrameCount=0
[TRACKVERT]
Image=trackvert.bmp
Frame=0
LeftWidth=1
[Scrollbar]
Image=
[UpDown.Horz]
Image=missing.bmp
GlyphImage=glyph.bmp
)";

class SkinSchema : public ::testing::Test {
protected:
    void SetUp() override {
        FreeSkinManager();
        SetSkinManagerTimerFactory([] { return std::make_unique<TManualTimer>(); });
        b_ = HScrollArrowWidth() + 2;
        kit_.Ini(kIni)
            .Bmp("left.bmp", Solid(16, 40, RGBColor(1, 1, 1)))
            .Bmp("RIGHT.BMP", Solid(8, 40, RGBColor(2, 2, 2)))
            .Bmp("top.bmp", Painted(30, 20, [](int x, int y) { return x == 10 && y == 3 ? kTopSample : 0; }))
            .Bmp("textback.bmp", Solid(3, 3, 0))
            .Bmp("menubar.bmp", Solid(10, 40, 0))
            .Bmp("cap57.bmp", Solid(57, 19, RGBColor(5, 5, 5)))
            .Bmp("cap114.bmp", Solid(114, 19, RGBColor(6, 6, 6)))
            .Bmp("button.bmp", Solid(50, 20, 0))
            .Bmp("radio.bmp", Solid(26, 13, 0))
            .Bmp("check.bmp", Solid(96, 16, 0))
            .Bmp("mdi.bmp", Painted(120, 14, Column))
            .Bmp("progress.bmp", Solid(20, 10, 0))
            .Bmp("pane.bmp", Solid(20, 20, 0))
            .Bmp("tabs.bmp", Solid(50, 20, 0))
            .Bmp("tabborder.bmp", Solid(5, 5, 0))
            .Bmp("combo.bmp", Painted(4 * b_, 21,
                                      [this](int x, int y) {
                                          const int frame = x / b_, inCell = x % b_;
                                          return inCell == kMarkerX && y == kMarkerY ? kMarker : kCombo[frame];
                                      }))
            .Bmp("sunk.bmp", Painted(4 * 30, 21, [](int x, int) { return kSunk[x / 30]; }))
            .Bmp("header.bmp", Solid(50, 10, 0))
            .Bmp("thumb.bmp", Solid(30, 10, 0))
            .Bmp("trackvert.bmp", Solid(5, 30, RGBColor(9, 9, 9)))
            .Bmp("glyph.bmp", Solid(8, 8, 0));
    }
    void TearDown() override {
        data_.reset();
        FreeSkinManager();
        SetSkinManagerTimerFactory({});
    }

    TSkinData& Load(const TSkinKit& kit) {
        data_ = std::make_unique<TSkinData>(nullptr);
        TSkinStore store(nullptr);
        const std::vector<uint8_t> package = kit.Package();
        store.Store()->Add()->Data().Write(package.data(), package.size());
        data_->LoadFromStore(&store, 0);
        EXPECT_FALSE(data_->FNoSkin);
        return *data_;
    }

    int b_ = 0;
    TSkinKit kit_;
    std::unique_ptr<TSkinData> data_;
};

TEST_F(SkinSchema, BordersTakeTheirKeysAndImageNamesAreReducedToFileNames) {
    TSkinData& d = Load(kit_);
    EXPECT_EQ("Kit", d.FSkinName);
    // Left: the directory part is dropped; side borders carry top and bottom margins.
    EXPECT_EQ(16, d.Left->Image.Width());
    EXPECT_EQ(5, d.Left->TopHeight);
    EXPECT_EQ(6, d.Left->BottomHeight);
    EXPECT_EQ(0, d.Left->LeftWidth);
    EXPECT_EQ(2, d.Left->FrameCount);
    EXPECT_EQ(1, d.Left->Tile);  // stretch values above 1 read as 1
    EXPECT_EQ(0, d.Left->Trans);
    // Right: an extension in capitals is not loaded; a frame count of 0 reads as 1.
    EXPECT_TRUE(d.Right->Image.Empty());
    EXPECT_EQ(1, d.Right->FrameCount);
    EXPECT_EQ(1, d.Right->Trans);
    // Top and bottom borders carry left and right margins.
    EXPECT_EQ(7, d.Top->LeftWidth);
    EXPECT_EQ(8, d.Top->RightWidth);
    EXPECT_EQ(0, d.Top->TopHeight);
    EXPECT_TRUE(d.Bottom->Image.Empty());
    EXPECT_EQ(1, d.Bottom->FrameCount);
}

TEST_F(SkinSchema, ColoursFallBackToSystemValues) {
    TSkinData& d = Load(kit_);
    EXPECT_EQ(RGBColor(1, 2, 3), d.Colours.Hilight);
    EXPECT_EQ(0xFF00000Fu, d.Colours.ButtonFace);
    EXPECT_EQ(0xFF00000Fu, d.Colours.Menubar);
    EXPECT_EQ(0xFF000012u, d.Colours.ButtonText);  // an empty value gives the default
    EXPECT_EQ(0u, d.Colours.WindowText);           // colour texts are no integers: "0" ends at "x", "10" is dropped
    EXPECT_EQ(0xFF000015u, d.Colours.ButtonDkShadow);
    EXPECT_EQ(0xFF000014u, d.Colours.Buttonlight);
    // COLOURn sections in order, "Colours" itself excluded; a missing value is window text.
    ASSERT_EQ(3u, d.FExtraColours.size());
    EXPECT_EQ(RGBColor(9, 8, 7), d.FExtraColours[0]);
    EXPECT_EQ(0xFF000008u, d.FExtraColours[1]);
    EXPECT_EQ(0xFF000008u, d.FExtraColours[2]);
    EXPECT_EQ(RGBColor(10, 20, 30), d.FCustomColors[3]);
    EXPECT_EQ(kColorWhite, d.FCustomColors[0]);
}

TEST_F(SkinSchema, CaptionButtonsFollowTheSectionAndFrameRules) {
    TSkinData& d = Load(kit_);
    // Button1, button2, Button4, Button5, Button6, then the three MDI buttons.
    ASSERT_EQ(8u, d.SysButtons.size());
    const auto& b1 = *d.SysButtons[0];
    EXPECT_EQ("BUTTON1", b1.Name);
    EXPECT_EQ(3, b1.FrameCount);  // 57 / 19 = 3.0
    EXPECT_EQ(1, b1.Align);
    EXPECT_EQ(20, b1.Xcoord);
    EXPECT_EQ(-1, b1.CombineOp);
    EXPECT_EQ(0, b1.Visibility1);
    EXPECT_EQ("BUTTON2", d.SysButtons[1]->Name);
    EXPECT_EQ(6, d.SysButtons[1]->FrameCount);  // 114 / 19 = 6.0
    const auto& b4 = *d.SysButtons[2];
    EXPECT_EQ("BUTTON4", b4.Name);
    EXPECT_EQ(6, b4.FrameCount);  // negative action
    EXPECT_EQ(-1, b4.Visibility1);
    const auto& b5 = *d.SysButtons[3];
    EXPECT_EQ(2, b5.FrameCount);  // "frame" given: it stands, and the image is kept
    EXPECT_FALSE(b5.Image.Empty());
    const auto& b6 = *d.SysButtons[4];
    EXPECT_EQ(3, b6.FrameCount);
    EXPECT_TRUE(b6.Image.Empty());  // system-menu action without "frame"
}

TEST_F(SkinSchema, MdiControlsAreCutIntoThreeButtons) {
    TSkinData& d = Load(kit_);
    ASSERT_EQ(8u, d.SysButtons.size());
    const int xcoord[3] = {42, 28, 14};
    for (int i = 0; i < 3; ++i) {
        const auto& b = *d.SysButtons[5 + static_cast<size_t>(i)];
        EXPECT_EQ(7 + i, b.Action);
        EXPECT_EQ(100, b.Align);
        EXPECT_EQ(100, b.Visibility);
        EXPECT_EQ(100, b.Visibility1);
        EXPECT_EQ(4, b.FrameCount);
        EXPECT_EQ(xcoord[i], b.Xcoord);
        ASSERT_EQ(40, b.Image.Width());
        ASSERT_EQ(14, b.Image.Height());
        for (int x = 0; x < 40; x += 13) EXPECT_EQ(Column(40 * i + x, 0), b.Image.Pixel(x, 6)) << i << " " << x;
    }
}

TEST_F(SkinSchema, MdiButtonsStayEmptyWithoutTheirImage) {
    TSkinKit kit;
    kit.Ini("[Personality]\n");
    TSkinData& d = Load(kit);
    ASSERT_EQ(3u, d.SysButtons.size());
    for (const auto& b : d.SysButtons) {
        EXPECT_TRUE(b->Image.Empty());
        EXPECT_EQ(0, b->Xcoord);
    }
}

TEST_F(SkinSchema, ButtonsAndTitle) {
    TSkinData& d = Load(kit_);
    const TDataSkinButton& b = *d.Buttons;
    EXPECT_EQ(5, b.FrameCount);
    EXPECT_EQ(0, b.Tile);  // values above 1 read as 0
    EXPECT_EQ(255, b.NormalColour);
    EXPECT_EQ(-1, b.PressedColour);
    EXPECT_EQ(4, b.RadioButtonFrame);  // 26 / 13 = 2, at least 4
    EXPECT_EQ(6, b.CheckButtonFrame);  // 96 / 16
    EXPECT_TRUE(b.HasNormalColour2);
    EXPECT_EQ(RGBColor(1, 2, 3), b.NormalColour2);
    EXPECT_FALSE(b.HasMouseOverColour2);
    EXPECT_EQ(d.Colours.ButtonText, b.MouseOverColour2);

    const TDataSkinTitle& t = *d.Title;
    EXPECT_EQ(2, t.FrameCount);
    EXPECT_EQ(4, t.LeftWidth);
    EXPECT_EQ(17, t.FontHeight);
    EXPECT_EQ(RGBColor(44, 2, 3), t.ActiveText);
    EXPECT_EQ(kTitleColourNotGiven, t.InActiveText);

    ASSERT_TRUE(d.MenuBar);
    EXPECT_EQ("Personality", d.MenuBar->Name);
    EXPECT_EQ(2, d.MenuBar->FrameCount);
    EXPECT_EQ(1, d.MenuBar->Tile);
    EXPECT_EQ(1, d.MenuBar->LeftWidth);
    EXPECT_EQ(9, d.MenuBar->RightWidth);
}

TEST_F(SkinSchema, SectionObjectsAndFixedFrameCounts) {
    TSkinData& d = Load(kit_);
    ASSERT_TRUE(d.Progress);
    EXPECT_EQ(1, d.Progress->FrameCount);  // Style 1
    EXPECT_EQ(1, d.Progress->Tile);        // Progress reads values above 1 as 1
    ASSERT_TRUE(d.TabPane);
    EXPECT_EQ(4, d.TabPane->LeftWidth);
    EXPECT_EQ(3, d.TabPane->TopHeight);
    EXPECT_EQ(4, d.TabPane->RightWidth);
    EXPECT_EQ(4, d.TabPane->BottomHeight);
    ASSERT_TRUE(d.Tabs);
    EXPECT_EQ(5, d.Tabs->FrameCount);
    EXPECT_EQ(5, d.Tabs->SecondImage.Width());
    ASSERT_TRUE(d.Headerbar);
    EXPECT_EQ(5, d.Headerbar->FrameCount);
    EXPECT_EQ(3, d.HorzScrollThumb->FrameCount);
    EXPECT_EQ(1, d.VertScrollThumb->FrameCount);  // 0 reads as 1
    // An image key naming a missing member still makes the object, with an empty image.
    ASSERT_TRUE(d.UpDownHorz);
    EXPECT_TRUE(d.UpDownHorz->Image.Empty());
    EXPECT_EQ(8, d.UpDownHorz->SecondImage.Width());
    EXPECT_EQ(8, d.UpDownHorz->FrameCount);
    // No image key, or an empty one: no object.
    EXPECT_FALSE(d.Scrollbar);
    EXPECT_FALSE(d.MenuItem);
    EXPECT_FALSE(d.GroupBox);
    EXPECT_FALSE(d.ProgressChunk);
}

TEST_F(SkinSchema, ProgressStyleZeroHasTwoFrames) {
    TSkinKit kit;
    kit.Ini("[Progress]\nBitmap=p.bmp\nStyle=0\n").Bmp("p.bmp", Solid(4, 4, 0));
    EXPECT_EQ(2, Load(kit).Progress->FrameCount);
}

TEST_F(SkinSchema, TracksComeFromTheSkinOrAreBuiltIn) {
    TSkinData& d = Load(kit_);
    ASSERT_TRUE(d.Track);
    EXPECT_EQ("TRACK", d.Track->Name);
    EXPECT_TRUE(d.Track->Image.SamePixels(BuiltinTrackBitmap()));
    EXPECT_EQ(16, d.Track->Image.Width());
    EXPECT_EQ(3, d.Track->LeftWidth);
    EXPECT_EQ(3, d.Track->BottomHeight);
    EXPECT_EQ(0, d.Track->Tile);
    EXPECT_EQ(1, d.Track->FrameCount);
    ASSERT_TRUE(d.TrackVert);
    EXPECT_EQ(5, d.TrackVert->Image.Width());
    EXPECT_EQ(1, d.TrackVert->LeftWidth);
    EXPECT_EQ(1, d.TrackVert->FrameCount);  // "Frame" 0 reads as 1
}

TEST_F(SkinSchema, ObjectsThatAlwaysExistAfterAParse) {
    TSkinKit empty;
    empty.Ini("");
    TSkinData& d = Load(empty);
    for (const TDataSkinObject* o :
         {static_cast<TDataSkinObject*>(d.Track.get()), d.TrackVert.get(), d.Toolbar.get(),
          static_cast<TDataSkinObject*>(d.Buttons.get()), static_cast<TDataSkinObject*>(d.Title.get()),
          static_cast<TDataSkinObject*>(d.Left.get()), static_cast<TDataSkinObject*>(d.Right.get()),
          static_cast<TDataSkinObject*>(d.Top.get()), static_cast<TDataSkinObject*>(d.Bottom.get()),
          d.ComboxArrow.get()})
        EXPECT_NE(nullptr, o);
    EXPECT_EQ("TRACKVERT", d.TrackVert->Name);
    EXPECT_EQ(4, d.TrackVert->Image.Width());
    EXPECT_EQ(16, d.TrackVert->Image.Height());
    EXPECT_EQ(10, d.Toolbar->Image.Width());
    EXPECT_EQ(40, d.Toolbar->Image.Height());
    // No top border: the title sample is the face colour.
    EXPECT_EQ(d.Colours.ButtonFace, d.TitleSample);
}

TEST_F(SkinSchema, ComboButtonSecondImageIsItsMirror) {
    TSkinData& d = Load(kit_);
    const TBitmap& second = d.ComboButton->SecondImage;
    ASSERT_EQ(4 * b_, second.Width());
    // The marker of frame 1 at x = 5 lands at 4b - 1 - 5.
    EXPECT_EQ(kMarker, second.Pixel(4 * b_ - 1 - kMarkerX, kMarkerY));
    EXPECT_EQ(kCombo[3], second.Pixel(0, 0));
}

TEST_F(SkinSchema, SunkenComboStripsAreBuiltFromBothImages) {
    TSkinData& d = Load(kit_);
    const int n = 4;
    ASSERT_EQ(50 * n, d.ComboButton->Image.Width());
    ASSERT_EQ(21, d.ComboButton->Image.Height());
    // Each 50 x 21 cell: the sunken edge frame stretched over all of it, the combo button frame
    // over the right b columns, then the inside (2, 2)-(49 - b, 18) cleared to magenta.
    auto expected = [&](int x, int y) {
        const int k = x / 50, cx = x % 50;
        if (cx >= 2 && cx < 49 - b_ && y >= 2 && y < 18) return kColorMagenta;
        if (cx >= 50 - b_) return cx - (50 - b_) == kMarkerX && y == kMarkerY ? kMarker : kCombo[k];
        return kSunk[k];
    };
    int wrong = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 50 * n; ++x) {
            if (d.ComboButton->Image.Pixel(x, y) != expected(x, y)) ++wrong;
            if (d.SunkEdge->Image.Pixel(50 * n - 1 - x, y) != expected(x, y)) ++wrong;
        }
    EXPECT_EQ(0, wrong);
    EXPECT_EQ(2, d.ComboButton->Style);
    EXPECT_EQ(2, d.ComboButton->LeftWidth);
    EXPECT_EQ(b_ + 2, d.ComboButton->RightWidth);
    EXPECT_EQ(b_ + 2, d.SunkEdge->LeftWidth);
    EXPECT_EQ(2, d.SunkEdge->RightWidth);
    EXPECT_EQ(4, d.ComboButton->FrameCount);

    // The arrow: 17 x 17 per frame from (50(i + 1) - 19, 2) of the strip.
    const TDataSkinObject& arrow = *d.ComboxArrow;
    ASSERT_EQ(17 * n, arrow.Image.Width());
    ASSERT_EQ(17, arrow.Image.Height());
    EXPECT_EQ(n, arrow.FrameCount);
    for (int i = 0; i < n; ++i)
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 17; ++x)
                EXPECT_EQ(expected(50 * (i + 1) - 19 + x, 2 + y), arrow.Image.Pixel(17 * i + x, y)) << i;
}

TEST_F(SkinSchema, ComboArrowWithoutSunkenEdgeReplacesMagentaWithTheFace) {
    TSkinKit kit;
    kit.Ini("[Colours]\nButtonFace=200,100,50\n[ComboButton]\nImage=c.bmp\n")
        .Bmp("c.bmp", Painted(8, 4, [](int x, int) { return x < 4 ? kColorMagenta : RGBColor(1, 1, 1); }));
    TSkinData& d = Load(kit);
    EXPECT_EQ(RGBColor(200, 100, 50), d.ComboxArrow->Image.Pixel(0, 0));
    EXPECT_EQ(RGBColor(1, 1, 1), d.ComboxArrow->Image.Pixel(5, 0));
    EXPECT_EQ(4, d.ComboxArrow->FrameCount);
    // The combo button itself keeps its magenta.
    EXPECT_EQ(kColorMagenta, d.ComboButton->Image.Pixel(0, 0));
}

TEST_F(SkinSchema, ToolbarGradientFollowsTheTitleSample) {
    TSkinData& d = Load(kit_);
    EXPECT_EQ(kTopSample, d.TitleSample);
    const TColor base = kTopSample;
    // Saturation of (40, 200, 90) is 204 > 110, so the end is a blend of the base with white.
    const int s = SaturationOf(base);
    ASSERT_EQ(204, s);
    const TColor end = Blend(base, kColorWhite, (5625 - 25 * s) / 140 + 50);
    const TColor start = Blend(d.Colours.ButtonFace, kColorWhite, 150);
    const TBitmap& bar = d.Toolbar->Image;
    ASSERT_EQ(40, bar.Height());
    EXPECT_EQ(start, bar.Pixel(0, 0));
    EXPECT_EQ(start, bar.Pixel(9, 0));
    auto channel = [&](int i, int shift) {
        const int a = (static_cast<int>(start) >> shift) & 0xFF, z = (static_cast<int>(end) >> shift) & 0xFF;
        return (19 + i * (z - a)) / 39;  // d = 39, h = 19, truncating toward zero
    };
    for (int i : {1, 20, 39}) {
        const TColor want = (start & 0xFFFFFF) + static_cast<TColor>(channel(i, 0)) +
                            static_cast<TColor>(channel(i, 8) * 256) + static_cast<TColor>(channel(i, 16) * 65536);
        EXPECT_EQ(want, bar.Pixel(4, i)) << i;
    }
}

TEST_F(SkinSchema, AReparseReplacesSectionObjectsAndKeepsTheFixedOnes) {
    TSkinData& d = Load(kit_);
    TDataSkinButton* buttons = d.Buttons.get();
    TSkinKit second;
    second.Ini("[Buttons]\nTrans=1\n");
    TSkinStore store(nullptr);
    const std::vector<uint8_t> package = second.Package();
    store.Store()->Add()->Data().Write(package.data(), package.size());
    d.LoadFromStore(&store, 0);
    EXPECT_EQ(buttons, d.Buttons.get());
    EXPECT_EQ(1, d.Buttons->Trans);
    EXPECT_TRUE(d.Buttons->Image.Empty());
    EXPECT_FALSE(d.Progress);
    EXPECT_FALSE(d.ComboButton);
    EXPECT_EQ("TRACK", d.Track->Name);
    EXPECT_EQ(3u, d.SysButtons.size());
}

}  // namespace
}  // namespace tw
