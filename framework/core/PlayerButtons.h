// The nine buttons of a media player: their names, the sets that say which of them are shown,
// enabled and coloured (read and written as text), and where the shown ones lie along the
// control. The player control and the skinned panel over it lay them out alike. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
constexpr int kPlayerButtonCount = 9;
constexpr int kNoPlayerButton = 9;  // a point over no shown button

// One bit per button, bit n for TMPBtnType n.
using TMPButtonSet = uint16_t;
constexpr TMPButtonSet kAllPlayerButtons = (1u << kPlayerButtonCount) - 1;
constexpr bool InButtonSet(TMPButtonSet set, int button) {
    return button >= 0 && button < kPlayerButtonCount && (set >> button) & 1u;
}

// "btPlay" ... "btEject"; empty for a number that is no button.
const char* PlayerButtonName(int button);
// "[btPlay,btStop]": the buttons of the set in their order.
std::string ButtonSetText(TMPButtonSet set);
// Every button whose name stands in the text as a word of its own (separated by anything that
// is no letter or digit); other words are passed over.
TMPButtonSet ButtonSetFromText(const std::string& text);

struct TPlayerButtonSpan {
    int Button = 0;
    int Left = 0;  // the button covers [Left, Left + ButtonWidth)
};

// The shown buttons left to right, each the control's width divided by their number.
struct TPlayerLayout {
    int ButtonWidth = 0;
    std::vector<TPlayerButtonSpan> Spans;
};

TPlayerLayout LayPlayerButtons(TMPButtonSet visible, int width);
// The first shown button whose span, its right end included, holds x; kNoPlayerButton when
// there is none.
int PlayerButtonAt(const TPlayerLayout& layout, int x);

}  // namespace tw
