// Frame cells and nine-slice geometry of skin image strips, and their portable composition
// into bitmaps (the GDI painters copy the same rectangles).
#pragma once

#include <vector>

#include "skin/data/Bitmap.h"
#include "skin/data/Rect.h"

namespace tw {

// How one frame of a strip is cut and drawn.
struct TSliceOptions {
    int FrameCount = 1;    // frames in the strip; below 1 reads as 1
    int FrameIndex = 1;    // from 1; kept within 1..FrameCount
    bool Stacked = false;  // frames one above the other instead of side by side
    bool Tile = false;     // centre tiled instead of stretched
    int LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
};

// The rectangle of frame `index` (from 1) of an image strip.
TRect FrameCell(int imageWidth, int imageHeight, int frameCount, int frameIndex, bool stacked);

// One piece of a nine-slice drawing: Source (in image coordinates) goes to Dest, stretched,
// or repeated unscaled from Dest's top-left when Tiled.
struct TSlicePiece {
    TRect Source;
    TRect Dest;
    bool Tiled = false;
};

// The pieces, in drawing order, for a destination of width x height: corners, left and top
// edges, centre, then the right and bottom pieces that cover any overhang of a tiled centre.
// Margins that do not fit the destination are dropped in pairs.
std::vector<TSlicePiece> NineSlicePieces(int width, int height, int imageWidth, int imageHeight,
                                         const TSliceOptions& options);

// Top-left corners at which a w x h tile is repeated over dest (the last ones may run past it).
std::vector<std::pair<int, int>> TilePositions(const TRect& dest, int tileWidth, int tileHeight);

// Nearest-neighbour stretch of source rect src of image into dst rect of a 24-bit target,
// clipped to the target; key pixels are skipped when transparent.
void StretchCopy(TBitmap& target, const TRect& dst, const TBitmap& image, const TRect& src, bool transparent = false,
                 TColor key = kColorMagenta);

// A new 24-bit bitmap of width x height holding one frame drawn nine-slice.
TBitmap ComposeNineSlice(int width, int height, const TBitmap& image, const TSliceOptions& options);

// Composes into rect of a 24-bit target; magenta pixels are left out when transparent.
// Nothing when rect is inverted.
void DrawNineSliceTo(TBitmap& target, const TRect& rect, const TBitmap& image, const TSliceOptions& options,
                     bool transparent);

// One cell, unscaled, centred in rect ((rect - cell) div 2 across, (rect - image height) div 2 down).
// Nothing when rect is inverted or empty.
void DrawStripCenteredTo(TBitmap& target, const TRect& rect, const TBitmap& image, bool transparent, int frameCount,
                         int frameIndex);

}  // namespace tw
