// Where a skinned combo box draws its parts: the drop-down button, its arrow and the text area
// the frame leaves alone, for a button on either side, and which strip frame shows its state.
#pragma once

#include "skin/data/Rect.h"

namespace tw {

// Frames of the combo button strip, from 1 (the frame, the button and the arrow alike).
enum TComboFrame { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

struct TComboLook {
    bool Pressed = false, Hot = false, Focused = false, Enabled = true;
};

// Disabled wins, then pressed; hot and focused share a frame.
constexpr int ComboFrameFor(const TComboLook& look) {
    if (!look.Enabled) return cfDisabled;
    if (look.Pressed) return cfPressed;
    if (look.Hot || look.Focused) return cfHot;
    return cfNormal;
}

// A frame index kept inside a strip of frameCount frames (a count below 1 reads as 1).
constexpr int ClampFrame(int index, int frameCount) {
    if (frameCount < 1) frameCount = 1;
    return index < 1 ? 1 : (index > frameCount ? frameCount : index);
}

// The parts of the edge-and-button look: Text is kept out of the drawing, Button takes one
// button frame, Arrow is where the arrow glyph is centred.
struct TComboParts {
    TRect Text, Button, Arrow;
};

// For the combo's rectangle, the system's scroll-arrow width and the button's side.
TComboParts ComboParts(const TRect& rect, int arrowWidth, bool buttonLeft);

// The parts of the plain look: Inner is the rectangle inside the two-pixel frame, Strip the
// button side of Inner one thumb wide, Cell where the button frame goes (one cell of the
// button strip wide, cut to the cell's height when that is less than a thumb).
struct TPlainComboParts {
    TRect Inner, Strip, Cell;
};

TPlainComboParts PlainComboParts(const TRect& rect, int thumbSize, int cellWidth, int cellHeight, bool buttonLeft);

// A cell of cellWidth x cellHeight centred in area.
TRect CentredCell(const TRect& area, int cellWidth, int cellHeight);

constexpr bool Contains(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

}  // namespace tw
