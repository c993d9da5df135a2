// The menu loop's switching rules and the owner-drawn item geometry, as tables.
#include <gtest/gtest.h>

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
    struct Case {
        int open, count;
        K key;
        TMenuLoopSelection selection;
        int expected;
    } cases[] = {
        {0, 4, K::mkRight, unknown, 1},     {3, 4, K::mkRight, topPlain, 0},   // wraps at the end
        {0, 4, K::mkLeft, unknown, 3},      {2, 4, K::mkLeft, topPlain, 1},    // wraps at the start
        {1, 4, K::mkRight, topWithSub, -1},                                    // Right opens the submenu
        {1, 4, K::mkLeft, topWithSub, 0},   {1, 4, K::mkLeft, inSubmenu, -1},  // Left closes the submenu
        {1, 4, K::mkRight, inSubmenu, 2},   {1, 4, K::mkOther, unknown, -1},  {0, 1, K::mkRight, unknown, -1},
        {-1, 4, K::mkRight, unknown, -1},   {4, 4, K::mkLeft, unknown, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "open " << c.open << " of " << c.count << " key "
                                        << static_cast<int>(c.key));
        EXPECT_EQ(c.expected, MenuSwitchForKey(c.open, c.count, c.key, c.selection));
    }
    EXPECT_EQ(K::mkRight, MirroredKey(K::mkLeft, true));
    EXPECT_EQ(K::mkLeft, MirroredKey(K::mkRight, true));
    EXPECT_EQ(K::mkLeft, MirroredKey(K::mkLeft, false));
    EXPECT_EQ(K::mkOther, MirroredKey(K::mkOther, true));
    EXPECT_EQ(2, MenuSwitchForHover(0, 2));
    EXPECT_EQ(-1, MenuSwitchForHover(2, 2));
    EXPECT_EQ(-1, MenuSwitchForHover(2, -1));
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
