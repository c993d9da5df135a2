// The five built-in packages: every object the engine reads is there, framed as its painter
// expects, and the set as a whole covers the layouts the engine supports.
#include <gtest/gtest.h>

#include <set>

#include "skin/data/NineSlice.h"
#include "skins/SkinResources.h"
#include "tests/skins/SkinFixture.h"

namespace tw::skintest {
namespace {

using skingen::kKey;

struct TObjectCheck {
    const char* Section;
    const TDataSkinObject* Object;
    bool Stacked;
};

std::vector<TObjectCheck> SchemaObjects(const TSkinData& s) {
    return {{"Buttons", s.Buttons.get(), false},
            {"Personality/Left", s.Left.get(), false},
            {"Personality/Right", s.Right.get(), false},
            {"Personality/Top", s.Top.get(), true},
            {"Personality/Bottom", s.Bottom.get(), true},
            {"Personality/TextBack", s.Title.get(), false},
            {"Personality/menuBar", s.MenuBar.get(), true},
            {"Progress", s.Progress.get(), false},
            {"Progress.Chunk", s.ProgressChunk.get(), false},
            {"GroupBoxEdge", s.GroupBoxEdge.get(), false},
            {"GroupBox", s.GroupBox.get(), false},
            {"Tabs", s.Tabs.get(), false},
            {"StatusBarEdges", s.StatusBarEdges.get(), false},
            {"Tab.Pane", s.TabPane.get(), false},
            {"ToolBars", s.ToolBars.get(), false},
            {"ComboButton", s.ComboButton.get(), false},
            {"SunkEdge", s.SunkEdge.get(), false},
            {"ExtraImages", s.ExtraImages.get(), false},
            {"Headerbar", s.Headerbar.get(), false},
            {"MenuItem", s.MenuItem.get(), false},
            {"MenuBackground", s.MenuBackground.get(), false},
            {"Scrollbar", s.Scrollbar.get(), false},
            {"HorzScroll", s.HorzScroll.get(), false},
            {"VertScroll", s.VertScroll.get(), false},
            {"HorzScrollThumb", s.HorzScrollThumb.get(), false},
            {"VertScrollThumb", s.VertScrollThumb.get(), false},
            {"Trackbar.ThumbHorz", s.TrackbarThumbHorz.get(), false},
            {"Trackbar.ThumbVert", s.TrackbarThumbVert.get(), false},
            {"Trackbar.ThumbLeft", s.TrackbarThumbLeft.get(), false},
            {"Trackbar.ThumbRight", s.TrackbarThumbRight.get(), false},
            {"Trackbar.ThumbUp", s.TrackbarThumbUp.get(), false},
            {"Trackbar.ThumbDown", s.TrackbarThumbDown.get(), false},
            {"UpDown.Horz", s.UpDownHorz.get(), false},
            {"UpDown.Vert", s.UpDownVert.get(), false},
            {"Track", s.Track.get(), false},
            {"TRACKVERT", s.TrackVert.get(), false}};
}

void ExpectStrip(const std::string& what, const TBitmap& image, int frames, bool stacked) {
    ASSERT_FALSE(image.Empty()) << what << ": empty image";
    ASSERT_GT(frames, 0) << what;
    const int along = stacked ? image.Height() : image.Width();
    EXPECT_EQ(along % frames, 0) << what << ": " << along << " px do not divide into " << frames << " frames";
}

TEST(BuiltInSkins, EveryObjectTheSchemaNamesHasAFramedImage) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        for (const auto& check : SchemaObjects(s)) {
            ASSERT_NE(check.Object, nullptr) << check.Section << " missing";
            ExpectStrip(check.Section, check.Object->Image, check.Object->FrameCount, check.Stacked);
        }
        ExpectStrip("CheckButton", s.Buttons->CheckImage, s.Buttons->CheckButtonFrame, false);
        ExpectStrip("RadioButton", s.Buttons->RadioImage, s.Buttons->RadioButtonFrame, false);
        ExpectStrip("Tabs/Border", s.Tabs->SecondImage, 1, false);
        ExpectStrip("UpDown.Horz/GlyphImage", s.UpDownHorz->SecondImage, 8, false);
        ExpectStrip("UpDown.Vert/GlyphImage", s.UpDownVert->SecondImage, 8, false);
        // The engine splits the MDI strip into three four-frame buttons.
        EXPECT_FALSE(skin.Ini.ReadString("MDICONTROLS", "Image", "").empty());
        ASSERT_GE(s.SysButtons.size(), 3u);
        for (size_t i = s.SysButtons.size() - 3; i < s.SysButtons.size(); ++i)
            ExpectStrip("MDI button", s.SysButtons[i]->Image, 4, false);
        // Every colour the painters read is given by the skin itself, not left to the system.
        for (const char* key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu",
                                "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow",
                                "ButtonDkShadow", "MenuBarText", "TitleTextActive", "TitleTextNoActive"})
            EXPECT_FALSE(skin.Ini.ReadString("Colours", key, "").empty()) << key;
        for (int i = 0; i < 10; ++i)
            EXPECT_FALSE(skin.Ini.ReadString("Customcolors", "Color" + std::to_string(i), "").empty());
        EXPECT_FALSE(s.FExtraColours.empty());
    }
}

TEST(BuiltInSkins, CaptionButtonsSitInsideTheTitleBar) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        const int title = s.Top->Image.Height() / s.Top->FrameCount;
        const int borderRight = s.Right->Image.Width() / s.Right->FrameCount;
        std::set<int> actions;
        for (const auto& b : s.SysButtons) {
            if (b->Visibility == 100) continue;  // MDI buttons live in the menu band
            actions.insert(b->Action);
            if (b->Action == 3 || b->Action == 11) {
                EXPECT_EQ(b->FrameCount, 1);
                EXPECT_LE(b->Ycoord + 16, title);
                continue;
            }
            ExpectStrip(b->Name, b->Image, b->FrameCount, false);
            EXPECT_TRUE(b->FrameCount == 3 || b->FrameCount == 6) << b->Name;
            const int width = b->Image.Width() / b->FrameCount;
            EXPECT_GE(b->Ycoord, 0) << b->Name;
            EXPECT_LE(b->Ycoord + b->Image.Height(), title) << b->Name;
            if (b->Align == 1) {
                EXPECT_GE(b->Xcoord, width + borderRight) << b->Name << " overlaps the right border";
            }
        }
        EXPECT_EQ(actions, (std::set<int>{0, 1, 2, 3}));
    }
}

TEST(BuiltInSkins, BordersStretchOnlyUniformMiddlesAndKeyOnlyWhereTransparent) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        const TDataSkinBorder* borders[] = {s.Left.get(), s.Right.get(), s.Top.get(), s.Bottom.get()};
        const int trans = s.Left->Trans + s.Right->Trans + s.Top->Trans + s.Bottom->Trans;
        EXPECT_TRUE(trans == 0 || trans == 4) << "borders mix transparent and opaque";
        for (int b = 0; b < 4; ++b) {
            const TDataSkinBorder& o = *borders[b];
            EXPECT_EQ(o.FrameCount, 2);
            const bool stacked = b >= 2;
            const TRect cell = FrameCell(o.Image.Width(), o.Image.Height(), o.FrameCount, 1, stacked);
            if (stacked) {
                EXPECT_LT(o.LeftWidth + o.RightWidth, cell.Width());
            } else {
                EXPECT_LT(o.TopHeight + o.BottomHeight, cell.Height());
            }
            // An opaque border is copied as it is: a key pixel there would show as magenta.
            bool hasKey = false;
            const skingen::TImage img = ToImage(o.Image);
            for (int y = 0; y < img.Height(); ++y)
                for (int x = 0; x < img.Width(); ++x) hasKey = hasKey || img.At(x, y) == kKey;
            if (o.Trans == 0) {
                EXPECT_FALSE(hasKey) << "opaque border " << o.Name << " holds key pixels";
            }
        }
        if (trans == 4) {
            // A shaped window: the outer corner of the left border is cut away.
            EXPECT_EQ(ToRgb(s.Left->Image.Pixel(0, 0)), kKey);
            EXPECT_NE(ToRgb(s.Left->Image.Pixel(s.Left->Image.Width() / 2 - 1, s.Left->Image.Height() / 2)), kKey);
        }
    }
}

TEST(BuiltInSkins, NoPaintedPixelFallsInsideTheRegionKeyTolerance) {
    // The window region treats red 255, green 0..1, blue 255 as transparent.
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        for (const auto& check : SchemaObjects(s)) {
            const skingen::TImage img = ToImage(check.Object->Image);
            for (int y = 0; y < img.Height(); ++y)
                for (int x = 0; x < img.Width(); ++x) {
                    const auto p = img.At(x, y);
                    EXPECT_FALSE(p.r == 255 && p.b == 255 && p.g == 1)
                        << "SkinItem" << skin.Index << " " << check.Section << " (" << x << "," << y << ")";
                }
        }
    }
}

TEST(BuiltInSkins, TheSetCoversEveryLayoutAndTheStartUpSkinIsTheRichest) {
    const auto& skins = BuiltInSkins();
    ASSERT_EQ(skins.size(), 5u);
    std::set<std::string> names;
    int shaped = 0, opaque = 0, withTrack = 0, threeFrame = 0, sixFrame = 0, align0 = 0, align1 = 0,
        fourFrameChecks = 0;
    for (const auto& skin : skins) {
        const TSkinData& s = *skin.Data;
        names.insert(s.FSkinName);
        const int trans = s.Left->Trans + s.Right->Trans + s.Top->Trans + s.Bottom->Trans;
        shaped += trans == 4;
        opaque += trans == 0;
        withTrack += skin.Ini.FindSection("Track") >= 0 && skin.Ini.FindSection("TRACKVERT") >= 0;
        fourFrameChecks += s.Buttons->CheckButtonFrame == 4 && s.Buttons->RadioButtonFrame == 4;
        for (const auto& b : s.SysButtons) {
            if (b->Visibility == 100) continue;
            threeFrame += b->FrameCount == 3;
            sixFrame += b->FrameCount == 6;
            align0 += b->Align == 0;
            align1 += b->Align == 1;
        }
        // Members: one INI, the rest bitmaps.
        int inis = 0;
        for (const auto& m : skin.MemberNames) {
            inis += m.size() > 4 && m.substr(m.size() - 4) == ".ini";
            EXPECT_TRUE(m.substr(m.size() - 4) == ".ini" || m.substr(m.size() - 4) == ".bmp") << m;
        }
        EXPECT_EQ(inis, 1);
        // Packages stay small enough to embed in the program.
        EXPECT_LT(skin.Package.size(), 120u * 1024);
        EXPECT_LT(skin.ExpandedSize, 1024u * 1024);
    }
    EXPECT_EQ(names.size(), 5u) << "every skin has its own name";
    EXPECT_GE(shaped, 2);
    EXPECT_GE(opaque, 1);
    EXPECT_GE(withTrack, 1);
    EXPECT_LT(withTrack, 5);
    EXPECT_GT(threeFrame, 0);
    EXPECT_GT(sixFrame, 0);
    EXPECT_GT(align0, 0);
    EXPECT_GT(align1, 0);
    EXPECT_GE(fourFrameChecks, 1);

    const TSkinData& startup = *skins[2].Data;
    EXPECT_EQ(startup.Left->Trans + startup.Right->Trans + startup.Top->Trans + startup.Bottom->Trans, 4);
    EXPECT_EQ(startup.Buttons->CheckButtonFrame, 12);
    EXPECT_EQ(startup.Buttons->RadioButtonFrame, 8);
    for (const auto& b : startup.SysButtons)
        if (b->Visibility != 100 && !b->Image.Empty()) {
            EXPECT_EQ(b->FrameCount, 6) << b->Name;
        }
    // Rounded at the bottom as well as the top.
    const int h = startup.Left->Image.Height();
    EXPECT_EQ(ToRgb(startup.Left->Image.Pixel(0, h - 1)), kKey);
}

TEST(BuiltInSkins, ResourceNamesFollowTheStoreItems) {
    for (int i = 0; i < kSkinPackageCount; ++i) {
        const std::wstring expected = L"SKINITEM" + std::to_wstring(i);
        EXPECT_EQ(std::wstring(kSkinResourceNames[i]), expected);
    }
    EXPECT_EQ(kStartupSkinIndex, 2);
    EXPECT_EQ(kSkinResourceType, 10);
}

}  // namespace
}  // namespace tw::skintest
