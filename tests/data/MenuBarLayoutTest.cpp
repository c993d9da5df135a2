// The menu bar as tables: where the items lie in the band for either reading order, with and
// without a bar image; which item a point, an accelerator or a Left/Right step picks.
#include <gtest/gtest.h>

#include "skin/data/MenuBarLayout.h"

namespace tw {
namespace {

TEST(MenuBarLayout, StartOffsetFollowsTheImageMarginsAndTheReadingOrder) {
    struct Case {
        const char* what;
        TMenuBarLook look;
        int bandWidth, offset;
    } cases[] = {
        {"no image", {false, 30, 40, false}, 400, 6},
        {"image, left to right", {true, 30, 40, false}, 400, 34},
        {"image, right to left", {true, 30, 40, true}, 400, 48},
        {"band narrower than the margin", {true, 30, 40, false}, 20, 12},
        {"band exactly the margin", {true, 30, 40, false}, 34, 34},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuBarStartOffset(c.look, c.bandWidth), c.offset) << c.what;
}

TEST(MenuBarLayout, ItemsLieSideBySideAndSkipInvisibleOnes) {
    const TRect band(4, 30, 404, 50);  // 400 wide, under a 30-pixel title
    const std::vector<TMenuBarEntry> items = {
        {L"&File", 20}, {L"&Edit", 22}, {L"&Hidden", 30, true, false}, {L"", 0}, {L"&Help", 25}};
    const auto ltr = LayoutMenuBar(band, items, TMenuBarLook{});
    ASSERT_EQ(ltr.size(), items.size());
    EXPECT_EQ(ltr[0], TRect(10, 30, 40, 49));
    EXPECT_EQ(ltr[1], TRect(40, 30, 72, 49));
    EXPECT_TRUE(ltr[2].IsEmpty());
    EXPECT_EQ(ltr[3].Width(), 0);  // an empty caption takes no room
    EXPECT_EQ(ltr[4], TRect(72, 30, 107, 49));

    TMenuBarLook rtl{true, 10, 16, true};
    const auto mirrored = LayoutMenuBar(band, items, rtl);
    // The first item ends at band width - (RightWidth + 8) and the rest go leftwards.
    EXPECT_EQ(mirrored[0], TRect(4 + 376 - 30, 30, 4 + 376, 49));
    EXPECT_EQ(mirrored[1], TRect(4 + 346 - 32, 30, 4 + 346, 49));
    EXPECT_EQ(mirrored[4].Right, mirrored[1].Left);

    EXPECT_TRUE(LayoutMenuBar(TRect(4, 30, 4, 50), items, TMenuBarLook{})[0].IsEmpty());
}

TEST(MenuBarLayout, AMaximisedChildsIconLeadsTheBandAndTheItemsFollowIt) {
    const TRect band(4, 30, 404, 50);
    const std::vector<TMenuBarEntry> items = {{L"&File", 20}, {L"&Edit", 22}};
    struct Case {
        const char* what;
        TMenuBarLook look;
        TRect icon, first;
    } cases[] = {
        {"no icon", {false, 0, 0, false, 0}, TRect(), TRect(10, 30, 40, 49)},
        {"icon, no image", {false, 0, 0, false, 20}, TRect(10, 32, 30, 48), TRect(30, 30, 60, 49)},
        {"icon after the image's margin", {true, 30, 40, false, 20}, TRect(38, 32, 58, 48), TRect(58, 30, 88, 49)},
        {"icon, right to left", {true, 10, 16, true, 20}, TRect(360, 32, 380, 48), TRect(330, 30, 360, 49)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuBarIconRect(band, c.look, 16), c.icon) << c.what;
        EXPECT_EQ(LayoutMenuBar(band, items, c.look)[0], c.first) << c.what;
    }
    EXPECT_TRUE(MenuBarIconRect(TRect(4, 30, 4, 50), TMenuBarLook{false, 0, 0, false, 20}, 16).IsEmpty());
}

TEST(MenuBarLayout, PointsPickTheItemUnderThemButNeverAnEmptyCaption) {
    const std::vector<TMenuBarEntry> items = {{L"&File", 20}, {L"", 0}, {L"&Edit", 22}};
    const std::vector<TRect> bounds = {TRect(10, 30, 40, 49), TRect(40, 30, 60, 49), TRect(60, 30, 92, 49)};
    struct Case {
        int x, y, item;
    } cases[] = {{10, 30, 0},  {39, 48, 0},  {40, 35, -1}, {59, 35, -1}, {60, 35, 2},
                 {92, 35, -1}, {20, 49, -1}, {20, 29, -1}, {5, 35, -1}};
    for (const Case& c : cases) EXPECT_EQ(MenuBarItemAt(bounds, items, c.x, c.y), c.item) << c.x << "," << c.y;
}

TEST(MenuBarLayout, AcceleratorsSkipDoubledAmpersandsAndUnavailableItems) {
    struct Case {
        const wchar_t* caption;
        wchar_t accelerator;
    } marks[] = {{L"&File", L'F'}, {L"E&xit", L'X'}, {L"&&Tools", 0}, {L"R&&D &Notes", L'N'},
                 {L"&&&Go", L'G'}, {L"Plain", 0},    {L"End&", 0},    {L"", 0}};
    for (const Case& c : marks) EXPECT_EQ(MenuAccelerator(c.caption), c.accelerator) << c.caption;

    const std::vector<TMenuBarEntry> items = {
        {L"&File", 20}, {L"&Fixed", 20, false, true}, {L"&View", 20, true, false}, {L"&Options", 20}, {L"F&ormat", 20}};
    EXPECT_EQ(FindMenuAccelerator(items, L'f'), 0);
    EXPECT_EQ(FindMenuAccelerator(items, L'O'), 3);   // the first of two
    EXPECT_EQ(FindMenuAccelerator(items, L'v'), -1);  // invisible
    EXPECT_EQ(FindMenuAccelerator(items, L'x'), -1);
    const std::vector<TMenuBarEntry> disabledFirst = {{L"&Fixed", 20, false, true}, {L"&File", 20}};
    EXPECT_EQ(FindMenuAccelerator(disabledFirst, L'F'), 1);
}

TEST(MenuBarLayout, LeftAndRightWrapAtBothEnds) {
    struct Case {
        int open, count, step, next;
    } cases[] = {{0, 4, 1, 1}, {3, 4, 1, 0}, {0, 4, -1, 3}, {2, 4, -1, 1}, {0, 1, 1, 0}, {-1, 3, 1, 0}, {0, 0, 1, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(NeighbourMenuIndex(c.open, c.count, c.step), c.next) << c.open << " " << c.count << " " << c.step;
}

}  // namespace
}  // namespace tw
