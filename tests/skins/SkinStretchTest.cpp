// Nine-slice margins of the built-in skins: whatever a painter stretches between the margins
// must be uniform along the stretch, or the picture distorts as the control grows.
#include <gtest/gtest.h>

#include "skin/data/NineSlice.h"
#include "tests/skins/SkinFixture.h"

namespace tw::skintest {
namespace {

enum TAxis { axColumns = 1, axRows = 2, axBoth = 3 };

// Every column (or row) between the margins of every frame equals the first one.
void ExpectUniformMiddle(const std::string& what, const TDataSkinObject* o, int frames, bool stacked, TAxis axis,
                         int firstFrame = 1, int lastFrame = 0) {
    ASSERT_NE(o, nullptr) << what;
    if (lastFrame == 0) lastFrame = frames;
    for (int f = firstFrame; f <= lastFrame; ++f) {
        const TRect cell = FrameCell(o->Image.Width(), o->Image.Height(), frames, f, stacked);
        const int x0 = o->LeftWidth, x1 = cell.Width() - o->RightWidth;
        const int y0 = o->TopHeight, y1 = cell.Height() - o->BottomHeight;
        ASSERT_LT(x0, x1) << what << ": no middle columns";
        ASSERT_LT(y0, y1) << what << ": no middle rows";
        int differing = 0;
        for (int y = 0; y < cell.Height(); ++y)
            for (int x = 0; x < cell.Width(); ++x) {
                const TColor p = o->Image.Pixel(cell.Left + x, cell.Top + y);
                if ((axis & axColumns) && x > x0 && x < x1 && p != o->Image.Pixel(cell.Left + x0, cell.Top + y))
                    ++differing;
                if ((axis & axRows) && y > y0 && y < y1 && p != o->Image.Pixel(cell.Left + x, cell.Top + y0))
                    ++differing;
            }
        EXPECT_EQ(differing, 0) << what << " frame " << f << ": the stretched middle is not uniform";
    }
}

TEST(SkinStretch, StretchedMiddlesAreUniform) {
    for (const auto& skin : BuiltInSkins()) {
        const TSkinData& s = *skin.Data;
        SCOPED_TRACE("SkinItem" + std::to_string(skin.Index));
        ExpectUniformMiddle("Left", s.Left.get(), 2, false, axRows);
        ExpectUniformMiddle("Right", s.Right.get(), 2, false, axRows);
        ExpectUniformMiddle("Top", s.Top.get(), 2, true, axColumns);
        ExpectUniformMiddle("Bottom", s.Bottom.get(), 2, true, axColumns);
        ExpectUniformMiddle("menuBar", s.MenuBar.get(), 2, true, axColumns);
        ExpectUniformMiddle("Buttons", s.Buttons.get(), 5, false, axColumns);
        ExpectUniformMiddle("Progress", s.Progress.get(), s.Progress->FrameCount, false, axColumns);
        ExpectUniformMiddle("Tabs", s.Tabs.get(), 5, false, axColumns);
        ExpectUniformMiddle("Headerbar", s.Headerbar.get(), 5, false, axColumns);
        ExpectUniformMiddle("StatusBarEdges", s.StatusBarEdges.get(), 3, false, axColumns);
        ExpectUniformMiddle("MenuItem", s.MenuItem.get(), 5, false, axColumns);
        ExpectUniformMiddle("MenuBackground", s.MenuBackground.get(), 1, false, axBoth);
        ExpectUniformMiddle("HorzScroll", s.HorzScroll.get(), 4, false, axColumns);
        ExpectUniformMiddle("VertScroll", s.VertScroll.get(), 4, false, axRows);
        ExpectUniformMiddle("HorzScrollThumb", s.HorzScrollThumb.get(), 3, false, axColumns);
        ExpectUniformMiddle("VertScrollThumb", s.VertScrollThumb.get(), 3, false, axRows);
        ExpectUniformMiddle("Tab.Pane", s.TabPane.get(), 1, false, axBoth);
        ExpectUniformMiddle("GroupBoxEdge", s.GroupBoxEdge.get(), 2, false, axBoth);
        ExpectUniformMiddle("ToolBars", s.ToolBars.get(), 5, false, axColumns);
        // The combo strip built at load time stretches between the field rim and the button.
        ExpectUniformMiddle("ComboButton strip", s.ComboButton.get(), s.ComboButton->FrameCount, false, axColumns);
        if (skin.Ini.FindSection("Track") >= 0) {
            ExpectUniformMiddle("Track", s.Track.get(), 1, false, axColumns);
            ExpectUniformMiddle("TRACKVERT", s.TrackVert.get(), 1, false, axRows);
        }
    }
}

TEST(SkinStretch, TabPageFrameFitsTheFixedMarginsOfTheTabPainter) {
    // With Tabs Style 0 the page frame is drawn with margins 4, 5, 4, 4 whatever the skin says.
    for (const auto& skin : BuiltInSkins()) {
        const TBitmap& border = skin.Data->Tabs->SecondImage;
        EXPECT_GT(border.Width(), 8) << "SkinItem" << skin.Index;
        EXPECT_GT(border.Height(), 9) << "SkinItem" << skin.Index;
        for (int y = 5; y < border.Height() - 4; ++y)
            for (int x = 4; x < border.Width() - 4; ++x)
                EXPECT_EQ(border.Pixel(x, y), border.Pixel(4, 5)) << "SkinItem" << skin.Index << " page centre";
    }
}

}  // namespace
}  // namespace tw::skintest
