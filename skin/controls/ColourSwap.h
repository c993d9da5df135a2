// SwapColour: repaints the pixels of one colour in an area of a DC in another. Some parts of
// system controls are drawn in a system colour that no message lets a skin choose (a list's grid
// lines take the system's face colour); once the control has painted, those pixels take the
// skin's colour instead.
#pragma once

#include <windows.h>

namespace tw {

// Replaces every pixel of colour `from` in `area` of dc by `to`; false when the area could not
// be read (nothing is changed then).
bool SwapColour(HDC dc, const RECT& area, COLORREF from, COLORREF to);

}  // namespace tw
