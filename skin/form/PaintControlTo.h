// PaintControlTo: what lies behind a framework control, painted by its parent into a DC.
#pragma once

#include <windows.h>

#include "framework/win/Control.h"

namespace tw {

// The parent of control erases and paints (WM_ERASEBKGND, then WM_PAINT with dc) into dc,
// whose origin is the control's top-left corner, clipped to the control's bounds: the image
// a see-through control shows behind itself. The DC's state is restored whatever happens.
// False, with nothing painted, for a control without a parent window, for a DC that is none,
// and for a control whose own painting asked for it again (the parent paints its windowless
// children, this one among them).
bool PaintControlTo(TControl& control, HDC dc) noexcept;

}  // namespace tw
