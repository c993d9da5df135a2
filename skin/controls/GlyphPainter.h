// What a glyph or speed button's skinner draws over the skin's face: the glyph (a cell of the
// control's glyph strip, or a picture of its image list) and the caption beside it, placed by the
// glyph layout from the properties the control publishes by name.
#pragma once

#include <windows.h>

#include <string>

#include "skin/controls/GlyphLayout.h"

namespace tw {

class TObject;
class TGlyphBitmap;
class TImageList;

// The glyph properties of a control, read by name; what it lacks reads as no glyph, one cell,
// glyph on the left, margin -1 and spacing 4.
struct TGlyphSource {
    TGlyphBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
    TImageList* Images = nullptr;
    int ImageIndex = -1, DisabledIndex = -1;
    TGlyphSide Side = TGlyphSide::Left;
    int Margin = -1, Spacing = 4;
    bool Centred = false;
};
TGlyphSource ReadGlyphSource(const TObject& control);

// What the button shows now.
struct TGlyphFace {
    int WantedCell = gcUp;  // the strip cell for the state (up, disabled, pressed, down)
    bool Enabled = true;
    bool Speed = false;  // a speed button's spacing rule
    bool FocusRect = false;
    COLORREF TextColour = 0;
};

// Draws glyph and caption into dc over client (origin 0,0); answers the glyph's place, or
// {-1, -1} when there was no glyph.
POINT DrawGlyphAndCaption(HDC dc, const RECT& client, const TGlyphSource& source, const TGlyphFace& face,
                          const std::wstring& caption);

// One cell (from 1) of a glyph strip of `count` cells at x, y, its transparent colour left out;
// greyed: every other pixel (R + G + B) / 3.
void DrawGlyphCell(HDC dc, int x, int y, const TGlyphBitmap& glyph, int cell, int count, bool greyed);

}  // namespace tw
