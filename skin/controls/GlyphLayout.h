// Where a glyph button draws its glyph and caption: the glyph's cell and size in a strip of
// NumGlyphs cells, and the positions along and across the button for each Layout, Margin and Spacing.
#pragma once

#include <string_view>

#include "skin/data/Rect.h"

namespace tw {

enum class TGlyphSide { Left, Right, Top, Bottom };

// "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom" in any case; anything else is Left.
TGlyphSide GlyphSideFromName(std::string_view name);

// Cells of a glyph strip (1-based): up, disabled, pressed, held down.
enum TGlyphCell { gcUp = 1, gcDisabled = 2, gcPressed = 3, gcDown = 4 };

// The number of cells a strip of stripWidth pixels really has for a NumGlyphs property: at
// least 1, at most 4, and never more cells than pixels.
int GlyphCount(int numGlyphs, int stripWidth);

// The cell to draw: the wanted one when the strip has it, else the up cell.
int GlyphCellFor(int wanted, int numGlyphs, int stripWidth);

struct TSize2 {
    int Width = 0, Height = 0;
    constexpr bool operator==(const TSize2& o) const { return Width == o.Width && Height == o.Height; }
};

// The size of one cell of a strip of the given size.
TSize2 GlyphCellSize(int stripWidth, int stripHeight, int numGlyphs);

// The box the caption is measured in, for a button of the client size.
TRect GlyphTextBox(TSize2 client, TSize2 glyph, TGlyphSide side);

struct TGlyphLayoutInput {
    TSize2 Client, Glyph, Text;  // Text as measured in GlyphTextBox
    TGlyphSide Side = TGlyphSide::Left;
    int Margin = -1, Spacing = 4;
    bool Centred = false;  // Alignment is taCenter
    bool Speed = false;    // a speed button centres a given spacing one pixel further on
};

struct TGlyphPlacement {
    int GlyphX = 0, GlyphY = 0, TextX = 0, TextY = 0;
};

TGlyphPlacement LayOutGlyph(const TGlyphLayoutInput& in);

}  // namespace tw
