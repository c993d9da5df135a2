// Where a skinned combo draws its parts, for a button on either side and each drawing style,
// and which strip frame shows each state.
#include <gtest/gtest.h>

#include "skin/controls/ComboLayout.h"

namespace tw {
namespace {

TEST(ComboLayoutTest, PartsOfBothSidesAndBothLooks) {
    const TRect combo(0, 0, 120, 22);
    const int a = 17;  // the system's scroll-arrow width
    struct Case {
        bool left;
        TRect text, button, arrow;
    };
    const Case edged[] = {
        // The text area the edge leaves alone ends where the button begins, two pixels apart.
        {false, {2, 2, 99, 20}, {101, 0, 120, 22}, {101, 0, 118, 22}},
        {true, {21, 2, 118, 20}, {0, 0, 19, 22}, {2, 0, 19, 22}},
    };
    for (const Case& c : edged) {
        SCOPED_TRACE(c.left ? "button left" : "button right");
        const TComboParts p = ComboParts(combo, a, c.left);
        EXPECT_EQ(c.text, p.Text);
        EXPECT_EQ(c.button, p.Button);
        EXPECT_EQ(c.arrow, p.Arrow);
        // The button never reaches into the text the combo draws, and lies inside the combo.
        EXPECT_TRUE(p.Button.Intersect(p.Text).IsEmpty());
        EXPECT_EQ(p.Button, p.Button.Intersect(combo));
        // A pointer over the text part is not over the button; over the arrow it is.
        EXPECT_FALSE(Contains(p.Button, (p.Text.Left + p.Text.Right) / 2, 11));
        EXPECT_TRUE(Contains(p.Button, (p.Arrow.Left + p.Arrow.Right) / 2, 11));
    }
    // A combo offset from the origin moves every part with it.
    const TComboParts moved = ComboParts(combo.Offset(5, 7), a, true);
    EXPECT_EQ(TRect(7, 7, 24, 29), moved.Arrow);

    struct Plain {
        bool left;
        int cellWidth, cellHeight;
        TRect strip, cell;
    };
    const Plain plain[] = {
        {false, 15, 30, {100, 2, 118, 20}, {103, 2, 118, 20}},
        {true, 15, 30, {2, 2, 20, 20}, {2, 2, 17, 20}},
        // A cell lower than a thumb is cut to its own height.
        {false, 15, 12, {100, 2, 118, 20}, {103, 2, 118, 14}},
    };
    for (const Plain& c : plain) {
        const TPlainComboParts p = PlainComboParts(combo, 18, c.cellWidth, c.cellHeight, c.left);
        EXPECT_EQ(TRect(2, 2, 118, 20), p.Inner);
        EXPECT_EQ(c.strip, p.Strip);
        EXPECT_EQ(c.cell, p.Cell);
    }

    // The arrow cell is centred in its area.
    EXPECT_EQ(TRect(105, 7, 114, 15), CentredCell(TRect(101, 0, 118, 22), 9, 8));
}

TEST(ComboLayoutTest, FramePerStateAndKeptInsideTheStrip) {
    struct Case {
        bool pressed, hot, focused, enabled;
        int frame;
    };
    const Case cases[] = {
        {false, false, false, true, cfNormal},    {true, false, false, true, cfPressed},
        {false, true, false, true, cfHot},        {false, false, true, true, cfHot},
        {true, true, true, true, cfPressed},      {true, true, true, false, cfDisabled},
        {false, false, false, false, cfDisabled},
    };
    for (const Case& c : cases) {
        TComboLook look;
        look.Pressed = c.pressed;
        look.Hot = c.hot;
        look.Focused = c.focused;
        look.Enabled = c.enabled;
        EXPECT_EQ(c.frame, ComboFrameFor(look)) << c.pressed << c.hot << c.focused << c.enabled;
    }
    EXPECT_EQ(4, ClampFrame(4, 4));
    EXPECT_EQ(2, ClampFrame(4, 2));  // a strip of fewer frames shows its last
    EXPECT_EQ(1, ClampFrame(3, 0));  // no frame count reads as one frame
    EXPECT_EQ(1, ClampFrame(0, 4));
}

}  // namespace
}  // namespace tw
