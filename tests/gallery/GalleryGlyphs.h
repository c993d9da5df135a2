// Glyph strips the gallery's glyph and speed buttons show, painted at start-up: a magenta
// ground (the strip's transparent colour) and a mark per cell in the cell's state.
#pragma once

#include <windows.h>

namespace tw {
class TGlyphBitmap;
}

namespace tw::gallery {

// A strip of `cells` square cells of `size` pixels: cell 1 a filled diamond in colour, cell 2
// the same in grey (disabled), cell 3 moved one pixel (pressed), cell 4 with a dark core (down).
void PaintGlyphStrip(TGlyphBitmap& glyph, int cells, int size, COLORREF colour);

}  // namespace tw::gallery
