// The Windows-only routines beside the bitmap routines: gradient fills into a device context
// and wide-text drawing.
#pragma once

#include <windows.h>

#include <string>

#include "skin/data/Bitmap.h"

namespace tw {

// Paints the cached ramp from c1 to c2 over rect, one solid row (vertical) or column per step,
// only the steps that fall inside the DC's clip box.
void GradientFill(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2);

// Text in the system ANSI code page to UTF-16.
std::wstring AnsiToWide(const std::string& text);

// Draws wide text with DrawTextW (the platforms we support are all NT); answers the height.
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);

}  // namespace tw
