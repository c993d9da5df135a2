// Which frame of the skin's check or radio strip shows a check box's or radio button's state,
// for strips of 4, 8 and 12 frames.
#pragma once

#include <string_view>

namespace tw {

enum class TCheckState { Unchecked, Checked, Grayed };

struct TCheckLook {
    TCheckState State = TCheckState::Unchecked;
    bool Enabled = true;
};

// A framework control's State identifier ("cbUnchecked", "cbChecked", "cbGrayed"), compared
// lower-case; anything else reads as unchecked.
TCheckState CheckStateFromName(std::string_view name);

// The frame (from 1) of a check strip of frameCount frames. A 4-frame strip holds unchecked,
// checked, unchecked disabled and checked disabled; the grayed state borrows the checked
// disabled frame. Strips of 8 and 12 frames hold groups of four per state (normal first,
// disabled last): unchecked, checked and, for 12, grayed. The result always lies in the strip.
int CheckBoxFrame(const TCheckLook& look, int frameCount);

// The same for a radio strip: only two states, so a grayed look reads as checked.
int RadioButtonFrame(const TCheckLook& look, int frameCount);

}  // namespace tw
