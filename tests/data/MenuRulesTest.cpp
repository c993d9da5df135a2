// The menu loop's switching rules and the owner-drawn item geometry, as tables.
#include <gtest/gtest.h>

#include <vector>

#include "skin/data/MenuItemLayout.h"
#include "skin/data/MenuLoopRules.h"

namespace tw {
namespace {

using K = TMenuLoopKey;

TEST(MenuLoopRules, KeysSwitchOnlyWhereThePopupItselfWouldNotMove) {
    const TMenuLoopSelection unknown{};
    const TMenuLoopSelection topPlain{true, true, false};
    const TMenuLoopSelection topWithSub{true, true, true};
    const TMenuLoopSelection inSubmenu{true, false, false};
    const std::vector<bool> all(4, true);
    // Item 2 is disabled, item 3 too in the second bar; the single bar has one item.
    const std::vector<bool> third{true, true, false, true};
    const std::vector<bool> lastTwo{true, true, false, false};
    const std::vector<bool> alone{true, false, false};
    const std::vector<bool> one{true};
    struct Case {
        int open;
        const std::vector<bool>& opens;
        K key;
        TMenuLoopSelection selection;
        int expected;
    } cases[] = {
        {0, all, K::mkRight, unknown, 1},
        {3, all, K::mkRight, topPlain, 0},  // wraps at the end
        {0, all, K::mkLeft, unknown, 3},
        {2, all, K::mkLeft, topPlain, 1},      // wraps at the start
        {1, all, K::mkRight, topWithSub, -1},  // Right opens the submenu
        {1, all, K::mkLeft, topWithSub, 0},
        {1, all, K::mkLeft, inSubmenu, -1},  // Left closes the submenu
        {1, all, K::mkRight, inSubmenu, 2},
        {1, all, K::mkOther, unknown, -1},
        {0, one, K::mkRight, unknown, -1},
        {-1, all, K::mkRight, unknown, -1},
        {4, all, K::mkLeft, unknown, -1},
        // A disabled item is stepped over both ways, also across the wrap.
        {1, third, K::mkRight, unknown, 3},
        {3, third, K::mkLeft, topPlain, 1},
        {1, lastTwo, K::mkRight, unknown, 0},
        {0, lastTwo, K::mkLeft, unknown, 1},
        // Nothing else can open: the open popup stays.
        {0, alone, K::mkRight, unknown, -1},
        {0, alone, K::mkLeft, unknown, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "open " << c.open << " of " << c.opens.size() << " key "
                                        << static_cast<int>(c.key));
        EXPECT_EQ(c.expected, MenuSwitchForKey(c.open, c.opens, c.key, c.selection));
    }
    EXPECT_EQ(K::mkRight, MirroredKey(K::mkLeft, true));
    EXPECT_EQ(K::mkLeft, MirroredKey(K::mkRight, true));
    EXPECT_EQ(K::mkLeft, MirroredKey(K::mkLeft, false));
    EXPECT_EQ(K::mkOther, MirroredKey(K::mkOther, true));
    EXPECT_EQ(1, MenuSwitchForHover(0, all, 1));
    EXPECT_EQ(-1, MenuSwitchForHover(2, all, 2));
    EXPECT_EQ(-1, MenuSwitchForHover(2, all, -1));
    EXPECT_EQ(-1, MenuSwitchForHover(0, third, 2));  // over a disabled item the popup stays
    EXPECT_EQ(0, FirstMenuThatOpens(all));
    EXPECT_EQ(1, FirstMenuThatOpens(std::vector<bool>{false, true}));
    EXPECT_EQ(-1, FirstMenuThatOpens(std::vector<bool>{false}));
}

TEST(MenuItemLayout, MeasuresAndBoxesForEveryKindOfItem) {
    EXPECT_EQ(10 + 4, MenuItemExtraWidth(TMenuItemHome::ihMainMenu, true, 4));
    EXPECT_EQ(12 + 4, MenuItemExtraWidth(TMenuItemHome::ihPopupMenu, true, 4));
    EXPECT_EQ(35, MenuItemExtraWidth(TMenuItemHome::ihPopupMenu, false, -3));
    const TMenuItemSize text = RawMenuItemSize(50, 13, false, 5);
    EXPECT_EQ(81, text.Width);
    EXPECT_EQ(17, text.Height);
    EXPECT_EQ(8, RawMenuItemSize(0, 13, true, 0).Height);

    const TRect item(0, 10, 200, 30);
    struct Case {
        int leftWidth, imageSize;
        bool separator, shortCut, rtl;
        TRect image, text, shortBox;
    } cases[] = {
        {0, 16, false, false, false, {1, 11, 17, 27}, {20, 10, 199, 30}, {}},
        {4, 16, false, true, false, {5, 11, 21, 27}, {24, 10, 199, 30}, {84, 10, 189, 30}},
        {0, 16, true, true, false, {}, {4, 10, 199, 30}, {}},
        {0, 16, false, true, true, {183, 11, 199, 27}, {1, 10, 180, 30}, {11, 10, 120, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "left " << c.leftWidth << " separator " << c.separator << " rtl " << c.rtl);
        const TMenuItemBoxes boxes = MenuItemContentLayout(item, c.leftWidth, c.imageSize, c.separator, 60, c.shortCut,
                                                           c.rtl);
        EXPECT_EQ(c.image, boxes.Image);
        EXPECT_EQ(c.text, boxes.Text);
        EXPECT_EQ(c.shortBox, boxes.ShortCut);
    }
    // A caption too wide leaves no room for the shortcut instead of an inverted box.
    EXPECT_TRUE(MenuItemContentLayout(item, 0, 16, false, 500, true, false).ShortCut.IsEmpty());
}

}  // namespace
}  // namespace tw
