// The frame of the skin's five-frame button strip that a tab drawn as a button shows, and
// whether a flat button tab is drawn at all.
#pragma once

#include "skin/controls/ButtonFrame.h"

namespace tw {

struct TTabButtonLook {
    bool Selected = false, Hot = false, Enabled = true, Flat = false;
};

// Disabled wins, then the selected tab (pressed in), then the tab under the mouse.
constexpr int TabButtonFrame(const TTabButtonLook& look) {
    if (!look.Enabled) return bfDisabled;
    if (look.Selected) return bfPressed;
    if (look.Hot) return bfHot;
    return bfNormal;
}

// A flat button tab shows its button only when selected or under the mouse.
constexpr bool TabButtonDrawn(const TTabButtonLook& look) {
    return !look.Flat || (look.Enabled && (look.Selected || look.Hot));
}

}  // namespace tw
