// The frame of the skin's five-frame button strip that shows a push button's state.
#pragma once

namespace tw {

// Frames of the button strip, from 1.
enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };
constexpr int kButtonFrameCount = 5;

struct TButtonLook {
    bool Pressed = false, Hot = false, Focused = false, Enabled = true;
};

// Disabled wins over everything, then pressed, hot and focused.
constexpr int ButtonFrameFor(const TButtonLook& look) {
    if (!look.Enabled) return bfDisabled;
    if (look.Pressed) return bfPressed;
    if (look.Hot) return bfHot;
    if (look.Focused) return bfFocused;
    return bfNormal;
}

}  // namespace tw
