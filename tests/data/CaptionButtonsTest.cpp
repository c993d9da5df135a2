// Caption buttons as tables: the visibility rules over window kinds and show states, the
// placement of the built-in skins' buttons on a window, the strip cell of each state kept
// inside the strip, what the buttons leave of the title for its text, and the hit codes of a
// frame's points. The buttons' behaviour under the mouse is checked under Wine (tests/form).
#include <gtest/gtest.h>

#include <string>

#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinObjects.h"

namespace tw {
namespace {

TEST(CaptionButtons, VisibilityFollowsTheCodesTheActionAndTheWindow) {
    TCaptionContext plain;  // active, normal, every box, system menu
    TCaptionContext maximised = plain;
    maximised.Maximised = true;
    TCaptionContext inactive = plain;
    inactive.Active = false;
    TCaptionContext noBoxes = plain;
    noBoxes.MaxBox = noBoxes.MinBox = false;
    TCaptionContext noMenu = plain;
    noMenu.SystemMenu = false;
    TCaptionContext dialog = plain;
    dialog.DialogFrame = dialog.DialogLook = true;
    TCaptionContext asks = plain;
    asks.AskWindow = [](int code, int action) { return code == 1500 && action == 40; };
    struct Case {
        const char* what;
        int visibility, visibility1, action;
        const TCaptionContext& context;
        bool visible;
    } cases[] = {
        {"close, always", 0, 0, caClose, plain, true},
        {"close without a system menu", 0, 0, caClose, noMenu, false},
        {"maximise on a normal window", 2, 0, caMaximize, plain, true},
        {"maximise on a maximised window", 2, 0, caMaximize, maximised, false},
        {"restore on a maximised window", 1, 0, caMaximize, maximised, true},
        {"restore on a normal window", 1, 0, caMaximize, plain, false},
        {"maximise without a max box", 0, 0, caMaximize, noBoxes, false},
        {"minimise beside maximise", 6, 0, caMinimize, plain, true},
        {"minimise beside maximise, no max box", 6, 0, caMinimize, noBoxes, false},
        {"max box but no system menu", 6, 0, 40, noMenu, false},
        {"second condition 6 needs no system menu", 0, 6, 40, noMenu, true},
        {"minimise alone without a max box", 7, 0, 40, noBoxes, true},
        {"minimise alone beside a max box", 7, 0, 40, plain, false},
        {"min box and system menu", 8, 0, 40, plain, true},
        {"no min box", 9, 0, 40, noBoxes, true},
        {"maximised and active", 1, 3, 40, maximised, true},
        {"maximised but inactive", 1, 3, 40,
         [] {
             TCaptionContext c;
             c.Maximised = true;
             c.Active = false;
             return c;
         }(),
         false},
        {"inactive only", 4, 0, 40, inactive, true},
        {"never (5)", 5, 0, 40, plain, false},
        {"never (10..99)", 42, 0, 40, plain, false},
        {"undefined -1 is hidden", -1, 0, 40, plain, false},
        {"menu band without a maximised MDI child", kMenuBandVisibility, kMenuBandVisibility, caMdiClose, plain, false},
        {"never (101..199)", 150, 0, 40, plain, false},
        {"dialog look", 200, 200, 40, dialog, true},
        {"dialog look on a plain window", 200, 0, 40, plain, false},
        {"always (201..999)", 500, 700, 40, plain, true},
        {"the window says yes", 1500, 0, 40, asks, true},
        {"the window says no", 1501, 0, 40, asks, false},
        {"nobody to ask", 1500, 0, 40, plain, false},
        {"window codes as second condition hold", 0, 1600, 40, plain, true},
        {"beyond 2000", 2001, 0, 40, plain, false},
        {"no icon on a dialog frame", 0, 0, caSystemMenu, dialog, false},
        {"no icon (12) on a dialog frame", 0, 0, caSystemMenu3, dialog, false},
        {"icon on a plain window", 0, 0, caSystemMenu2, plain, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.visible, CaptionButtonVisible(c.visibility, c.visibility1, c.action, c.context));
    }
    TDataSkinSysButton button;
    button.Visibility = 1;
    button.Visibility1 = 3;
    EXPECT_TRUE(CaptionButtonVisible(button, maximised));
    EXPECT_FALSE(CaptionButtonVisible(button, plain));
}

TEST(CaptionButtons, PlacementByAlignOnAWindow) {
    const TFrameMetrics m{4, 30, 5, 4, 20};
    struct Case {
        const char* what;
        TCaptionPlacement button;
        TMenuBandPlace band;
        TRect expected;
    } cases[] = {
        // A six-cell strip 162 wide, 35 in from the right edge of a 400 wide window.
        {"from the right", {1, 35, 6, 162, 19, 6}, {}, {365, 6, 392, 25}},
        {"from the left", {0, 9, 7, 16, 16, 1}, {}, {9, 7, 25, 23}},
        {"frame count 0 reads as 1", {0, 9, 7, 16, 16, 0}, {}, {9, 7, 25, 23}},
        {"negative count reads as 1", {1, 50, 0, 30, 10, -2}, {}, {350, 0, 380, 10}},
        {"right side from the right", {2, 10, 3, 60, 20, 3}, {}, {370, 3, 390, 23}},
        {"like from the left", {9, 10, 3, 60, 20, 3}, {}, {10, 3, 30, 23}},
        {"unknown align stays in the corner", {7, 10, 3, 60, 20, 3}, {}, {0, 0, 20, 20}},
        {"menu band, centred in it", {100, 42, 0, 40, 14, 4}, {}, {400 - 42 - 5, 33, 400 - 42 - 5 + 10, 47}},
        {"menu band after the bar's margin", {100, 42, 0, 40, 14, 4}, {false, 3}, {350, 33, 360, 47}},
        {"menu band of a right-to-left form", {100, 42, 0, 40, 14, 4}, {true, 3}, {49, 33, 59, 47}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TRect r = CaptionButtonRect(c.button, 400, m, c.band);
        EXPECT_EQ(c.expected.Left, r.Left);
        EXPECT_EQ(c.expected.Top, r.Top);
        EXPECT_EQ(c.expected.Right, r.Right);
        EXPECT_EQ(c.expected.Bottom, r.Bottom);
    }
}

TEST(CaptionButtons, EachStateDrawsACellInsideTheStrip) {
    struct Case {
        int state, frameCount;
        bool active, menuBand;
        int expected;
    } cases[] = {
        {csNormal, 6, true, false, 1},
        {csPressed, 6, true, false, 2},
        {csHot, 6, true, false, 3},
        {csNormal, 6, false, false, 4},
        {csNormal, 3, false, false, 1},
        {csHot, 4, true, true, 4},
        // A strip with fewer cells than the state's number draws its last one.
        {csHot, 1, true, false, 1},
        {csPressed, 1, true, false, 1},
        {csHot, 2, true, false, 2},
        {csHot, 3, true, true, 3},
        {csHot, 0, true, false, 1},
        {csPressed, -5, true, false, 1},
        {0, 6, true, false, 1},
        {99, 6, true, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.state) + " of " + std::to_string(c.frameCount));
        EXPECT_EQ(c.expected, CaptionButtonFrame(c.state, c.frameCount, c.active, c.menuBand));
    }
}

TEST(CaptionButtons, TheTextEndsBeforeTheButtons) {
    const TRect title(0, 0, 400, 30);
    const std::vector<TRect> buttons{{9, 7, 25, 23}, {365, 6, 392, 25}, {336, 6, 363, 25}, {0, 0, 0, 0}};
    TRect area = CaptionTextArea(title, buttons, 400);
    EXPECT_EQ(25, area.Left);
    EXPECT_EQ(336, area.Right);
    EXPECT_EQ(0, area.Top);
    EXPECT_EQ(30, area.Bottom);
    EXPECT_EQ(400, CaptionTextArea(title, {}, 400).Right);
    // Buttons crowding a narrow window leave an empty area, never an inverted one.
    area = CaptionTextArea(TRect(0, 0, 60, 30), {{9, 7, 40, 23}, {31, 6, 58, 25}}, 60);
    EXPECT_EQ(0, area.Width());
}

TEST(CaptionButtons, HitCodesOfAFrame) {
    const TFrameMetrics m{4, 30, 5, 4, 0};
    const TFrameMetrics withMenu{4, 30, 5, 4, 20};
    struct Case {
        const char* what;
        int x, y;
        const TFrameMetrics& metrics;
        bool sizeable;
        THitCode expected;
    } cases[] = {
        {"outside", -1, 10, m, true, hcNowhere},
        {"outside below", 10, 300, m, true, hcNowhere},
        {"title middle", 200, 15, m, true, hcCaption},
        {"top edge sizes", 200, 0, m, true, hcTop},
        {"top edge of a fixed frame is caption", 200, 0, m, false, hcCaption},
        {"top-left corner", 0, 0, m, true, hcTopLeft},
        {"corner reaches along the top", 7, 2, m, true, hcTopLeft},
        {"past the corner's reach", 8, 2, m, true, hcTop},
        {"top-right corner", 399, 1, m, true, hcTopRight},
        {"left border", 1, 100, m, true, hcLeft},
        {"right border", 396, 100, m, true, hcRight},
        {"bottom border", 200, 297, m, true, hcBottom},
        {"bottom-left", 6, 298, m, true, hcBottomLeft},
        {"bottom-right", 392, 299, m, true, hcBottomRight},
        {"fixed border", 1, 100, m, false, hcBorder},
        {"fixed bottom", 200, 299, m, false, hcBorder},
        {"client", 200, 100, m, true, hcClient},
        {"title beside the side border", 1, 20, m, true, hcCaption},
        {"menu band", 200, 40, withMenu, true, hcMenu},
        {"under the menu band", 200, 50, withMenu, true, hcClient},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.expected, FrameHitCode(c.x, c.y, 400, 300, c.metrics, c.sizeable));
    }
}

}  // namespace
}  // namespace tw
