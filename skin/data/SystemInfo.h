// System colours and metrics the skin model reads: the live values on Windows, the classic
// Windows defaults elsewhere (so the model builds and is tested without a desktop).
#pragma once

#include "skin/data/Bitmap.h"

namespace tw {

// System colour indexes used by the skin defaults.
enum TSysColorIndex {
    COLOR_INDEX_SCROLLBAR = 0,
    COLOR_INDEX_MENU = 4,
    COLOR_INDEX_MENUTEXT = 7,
    COLOR_INDEX_WINDOWTEXT = 8,
    COLOR_INDEX_CAPTIONTEXT = 9,
    COLOR_INDEX_HIGHLIGHT = 13,
    COLOR_INDEX_HIGHLIGHTTEXT = 14,
    COLOR_INDEX_BTNFACE = 15,
    COLOR_INDEX_BTNSHADOW = 16,
    COLOR_INDEX_BTNTEXT = 18,
    COLOR_INDEX_INACTIVECAPTIONTEXT = 19,
    COLOR_INDEX_BTNHIGHLIGHT = 20,
    COLOR_INDEX_3DDKSHADOW = 21,
};

// The skin value that stands for system colour `index` (0xFF0000nn).
constexpr TColor SystemColorValue(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index & 0xFF));
}

// The RGB value of system colour `index`.
TColor SysColor(int index);
// A skin colour as plain RGB: system colour values are resolved, others keep their low 24 bits.
TColor ResolveColor(TColor color);

// Width of a horizontal scroll bar arrow (SM_CXHSCROLL).
int HScrollArrowWidth();
// Small icon size (SM_CXSMICON, SM_CYSMICON).
int SmallIconWidth();
int SmallIconHeight();
// Size of a maximised top-level window (SM_CXMAXIMIZED, SM_CYMAXIMIZED).
int MaximizedWidth();
int MaximizedHeight();

}  // namespace tw
