// The media player's buttons: which shown button a point along the control picks (the widths
// divided among the shown ones, the right end of a span belonging to it, the rest of the width
// belonging to none) and the button sets read from and written as text.
#include <gtest/gtest.h>

#include "framework/core/PlayerButtons.h"

namespace tw {
namespace {

constexpr TMPButtonSet Of(std::initializer_list<int> buttons) {
    TMPButtonSet set = 0;
    for (int b : buttons) set = static_cast<TMPButtonSet>(set | (1u << b));
    return set;
}

TEST(PlayerLayoutTest, APointPicksTheShownButtonItLiesOver) {
    struct Case {
        TMPButtonSet visible;
        int width, x;
        int buttonWidth, hit;
    };
    const Case cases[] = {
        // All nine over 270: 30 each; a span's right end is still its own.
        {kAllPlayerButtons, 270, 0, 30, btPlay},
        {kAllPlayerButtons, 270, 29, 30, btPlay},
        {kAllPlayerButtons, 270, 30, 30, btPlay},
        {kAllPlayerButtons, 270, 31, 30, btPause},
        {kAllPlayerButtons, 270, 200, 30, btBack},
        {kAllPlayerButtons, 270, 269, 30, btEject},
        {kAllPlayerButtons, 270, 270, 30, btEject},
        {kAllPlayerButtons, 270, 271, 30, kNoPlayerButton},
        {kAllPlayerButtons, 270, -1, 30, kNoPlayerButton},
        // Only play and stop: two halves, the hidden buttons between take no room.
        {Of({btPlay, btStop}), 100, 49, 50, btPlay},
        {Of({btPlay, btStop}), 100, 51, 50, btStop},
        {Of({btPlay, btStop}), 100, 100, 50, btStop},
        // Three over 100: 33 each, the last pixel beyond the third span is no button's.
        {Of({btNext, btRecord, btEject}), 100, 34, 33, btRecord},
        {Of({btNext, btRecord, btEject}), 100, 99, 33, btEject},
        {Of({btNext, btRecord, btEject}), 101, 100, 33, kNoPlayerButton},
        // One shown: all the width.
        {Of({btEject}), 80, 79, 80, btEject},
        // Nothing shown, or no width to share: no button anywhere.
        {0, 270, 10, 0, kNoPlayerButton},
        {kAllPlayerButtons, 0, 0, 0, kNoPlayerButton},
        {kAllPlayerButtons, 8, 0, 0, kNoPlayerButton},  // narrower than the buttons are many
    };
    for (const Case& c : cases) {
        const TPlayerLayout layout = LayPlayerButtons(c.visible, c.width);
        EXPECT_EQ(c.buttonWidth, layout.ButtonWidth) << "width " << c.width;
        EXPECT_EQ(c.hit, PlayerButtonAt(layout, c.x))
            << ButtonSetText(c.visible) << " width " << c.width << " at " << c.x;
    }
    const TPlayerLayout two = LayPlayerButtons(Of({btStop, btPlay}), 100);
    ASSERT_EQ(2u, two.Spans.size());
    EXPECT_EQ(btPlay, two.Spans[0].Button);  // always in the buttons' own order
    EXPECT_EQ(50, two.Spans[1].Left);
}

TEST(PlayerLayoutTest, ButtonSetsAreReadAndWrittenAsTheirNames) {
    EXPECT_EQ("[]", ButtonSetText(0));
    EXPECT_EQ("[btPlay,btStop,btEject]", ButtonSetText(Of({btEject, btPlay, btStop})));
    EXPECT_EQ(kAllPlayerButtons, ButtonSetFromText(ButtonSetText(kAllPlayerButtons)));
    struct Case {
        const char* text;
        TMPButtonSet set;
    };
    const Case cases[] = {
        {"[btPlay,btStop]", Of({btPlay, btStop})},
        {"btRecord btBack", Of({btRecord, btBack})},  // any separators
        {"[btStep, btStop]", Of({btStep, btStop})},   // near names stay apart
        {"[btPlayer,xbtPause,btpause]", 0},           // only whole words, in their own case
        {"", 0},
        {"[btEject,btEject]", Of({btEject})},
    };
    for (const Case& c : cases) EXPECT_EQ(c.set, ButtonSetFromText(c.text)) << c.text;
}

}  // namespace
}  // namespace tw
