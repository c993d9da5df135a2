// The tab set's strip (which tabs are drawn where, clear of the scroll arrows, which one a click
// picks, when the arrows are needed and how far they scroll), the halves and frames of the scroll arrows, and the frame
// of a tab drawn as a button.
#include <gtest/gtest.h>

#include "framework/core/TabSetLayout.h"
#include "skin/controls/ArrowHalves.h"
#include "skin/controls/TabButtonFrame.h"

namespace tw {
namespace {

std::string Text(const std::vector<TTabSetTab>& tabs) {
    std::string s;
    for (const auto& t : tabs)
        s += std::to_string(t.Index) + ":" + std::to_string(t.Left) + "-" + std::to_string(t.Right) + " ";
    return s;
}

TEST(TabSetLayoutTest, TabsThatDoNotFitAreSkippedWithoutTakingRoom) {
    struct Case {
        std::vector<int> widths;
        int first;
        TTabSetRoom room;
        const char* laid;
        bool arrows;
    };
    const Case cases[] = {
        // All fit: each caption plus 9, from the start margin.
        {{20, 30}, 0, {100, 5, 5, false}, "0:5-34 1:34-73 ", false},
        // Exactly to the usable edge (width less end margin) still fits.
        {{81}, 0, {100, 5, 5, false}, "0:5-95 ", false},
        {{82}, 0, {100, 5, 5, false}, "", true},
        // A wide tab is left out, the narrower one after it is still drawn where it would have been.
        {{20, 200, 10}, 0, {100, 5, 5, false}, "0:5-34 2:34-53 ", true},
        // With the arrows shown, a tab (spread when selected) ends left of them: at 60 here,
        // the arrows starting at 63.
        {{20, 50}, 0, {100, 5, 5, false}, "0:5-34 1:34-93 ", false},
        {{20, 50}, 0, {100, 5, 5, true}, "0:5-34 ", false},
        {{20, 30}, 0, {100, 5, 5, true}, "0:5-34 ", false},
        // Scrolled on: the strip starts at the first tab shown, and the arrows stay.
        {{20, 30, 40}, 1, {100, 5, 5, true}, "1:5-44 ", true},
        {{20, 30, 7}, 1, {100, 5, 5, true}, "1:5-44 2:44-60 ", true},
        {{20, 30, 8}, 1, {100, 5, 5, true}, "1:5-44 ", true},
        {{}, 0, {100, 5, 5, false}, "", false},
        {{20}, 3, {100, 5, 5, false}, "", true},
    };
    for (const Case& c : cases) {
        const auto tabs = LayTabSet(c.widths, c.first, c.room);
        EXPECT_EQ(c.laid, Text(tabs)) << "first " << c.first;
        EXPECT_EQ(c.arrows, TabSetNeedsArrows(c.widths, c.first, c.room)) << c.laid;
        if (!c.room.ArrowsShown) continue;
        const int arrowsLeft = c.room.Width - c.room.EndMargin - kTabScrollerWidth;
        for (const TTabSetTab& tab : tabs)
            EXPECT_LT(tab.Right + kTabSetSelectedSpread, arrowsLeft) << "tab " << tab.Index << " under the arrows";
    }
    const auto tabs = LayTabSet({20, 200, 10}, 0, {100, 5, 5, false});
    EXPECT_EQ(-1, TabSetTabAt(tabs, 4));
    EXPECT_EQ(0, TabSetTabAt(tabs, 5));
    EXPECT_EQ(0, TabSetTabAt(tabs, 33));
    EXPECT_EQ(2, TabSetTabAt(tabs, 34));
    EXPECT_EQ(-1, TabSetTabAt(tabs, 53));
}

TEST(TabSetLayoutTest, TheArrowsScrollUntilTheLastTabShowsWhole) {
    struct Case {
        std::vector<int> widths;
        int last;
    };
    const Case cases[] = {
        // Tabs end by 60 in a strip of 100 with the arrows shown.
        {{20, 30, 40}, 2},      // only the last alone fits
        {{10, 10, 10, 10}, 2},  // two of 19 fit: from the third on
        {{10, 10}, 0},          // all fit from the start
        {{20, 200}, 1},         // the last never fits: the arrows still reach it
        {{200}, 0},
        {{}, 0},
    };
    const TTabSetRoom room{100, 5, 5, false};
    for (const Case& c : cases) {
        const int last = TabSetLastFirstIndex(c.widths, room);
        EXPECT_EQ(c.last, last) << c.widths.size() << " tabs";
        if (c.widths.empty() || c.widths.back() > 50) continue;
        TTabSetRoom shown = room;
        shown.ArrowsShown = true;
        const auto tabs = LayTabSet(c.widths, last, shown);
        ASSERT_FALSE(tabs.empty());
        EXPECT_EQ(static_cast<int>(c.widths.size()) - 1, tabs.back().Index) << "the last tab is not reached";
    }
}

TEST(TabSetLayoutTest, ArrowHalvesStatesAndFrames) {
    const TArrowHalves h = SplitArrows(33, 16, true);
    EXPECT_EQ(16, h.FirstRight);
    EXPECT_EQ(16, h.SecondLeft);
    EXPECT_EQ(33, h.SecondRight);
    const TArrowHalves v = SplitArrows(16, 21, false);
    EXPECT_EQ(10, v.FirstBottom);
    EXPECT_EQ(10, v.SecondTop);
    EXPECT_EQ(21, v.SecondBottom);
    struct Case {
        bool enabled, inside, pressed;
        int state, first, second;
    };
    const Case cases[] = {
        {true, false, false, 1, 1, 5}, {true, false, true, 1, 1, 5}, {true, true, false, 4, 4, 8},
        {true, true, true, 2, 2, 6},   {false, true, true, 3, 3, 7},
    };
    for (const Case& c : cases) {
        const int state = ArrowState(c.enabled, c.inside, c.pressed);
        EXPECT_EQ(c.state, state);
        EXPECT_EQ(c.first, ArrowFrame(state, false));
        EXPECT_EQ(c.second, ArrowFrame(state, true));
    }
    // Whatever state comes in, the frame stays in its half of the 8-frame strip.
    EXPECT_EQ(1, ArrowFrame(0, false));
    EXPECT_EQ(8, ArrowFrame(9, true));
}

TEST(TabSetLayoutTest, ButtonTabFrames) {
    struct Case {
        TTabButtonLook look;
        int frame;
        bool drawn;
    };
    const Case cases[] = {
        {{false, false, true, false}, bfNormal, true},   {{true, false, true, false}, bfPressed, true},
        {{false, true, true, false}, bfHot, true},       {{true, true, true, false}, bfPressed, true},
        {{true, true, false, false}, bfDisabled, true},  {{false, false, true, true}, bfNormal, false},
        {{false, true, true, true}, bfHot, true},        {{true, false, true, true}, bfPressed, true},
        {{true, false, false, true}, bfDisabled, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.frame, TabButtonFrame(c.look));
        EXPECT_EQ(c.drawn, TabButtonDrawn(c.look));
    }
}

}  // namespace
}  // namespace tw
