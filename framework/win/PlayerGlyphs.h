// The glyphs of the media player's nine buttons in their three looks (enabled, disabled,
// coloured): drawn by code of our own, straight onto a DC or into small bitmaps on the olive
// key colour that a copy leaves out.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"

namespace tw {

enum TPlayerGlyphLook { glEnabled, glDisabled, glColoured };
constexpr int kPlayerGlyphLooks = 3;
constexpr int kPlayerGlyphWidth = 16, kPlayerGlyphHeight = 12;
// The colour around a glyph in its bitmap: no glyph pixel has it.
constexpr COLORREF kPlayerGlyphKey = RGB(128, 128, 0);

// Draws the glyph of button (a TMPBtnType) with its top-left corner at (x, y).
void DrawPlayerGlyph(HDC dc, int x, int y, int button, TPlayerGlyphLook look);
// The glyph in a bitmap of kPlayerGlyphWidth x kPlayerGlyphHeight, compatible with dc, on
// kPlayerGlyphKey; none when it could not be made.
TBitmapHandle MakePlayerGlyph(HDC dc, int button, TPlayerGlyphLook look);

}  // namespace tw
