// Pieces of the strip drawings beside nine-slice: three-slice bars, one stretched cell, one
// centred cell, three-part stretch and tiling, as rectangles that the painters copy.
#pragma once

#include <vector>

#include "skin/data/NineSlice.h"

namespace tw {

// Every list below is in drawing order with Dest relative to the destination's top-left corner
// (0, 0)-(width, height) and Source in image coordinates; a piece is copied stretched from
// Source to Dest (pieces of equal size are plain copies). An inverted or empty destination, an
// empty image or an empty cell gives no pieces; pieces of no area are left out.

// Left cap (LeftWidth columns of the cell, stretched to the height), the middle columns repeated
// unscaled from x = LeftWidth while x < width - RightWidth (the last copy cut there), right cap.
// A middle of no width is not repeated. Uses FrameCount, FrameIndex, Stacked and the two widths.
std::vector<TSlicePiece> ThreeSlicePieces(int width, int height, int imageWidth, int imageHeight,
                                          const TSliceOptions& options);

// Cell FrameIndex of a side-by-side strip stretched over the whole destination.
std::vector<TSlicePiece> StripFramePieces(int width, int height, int imageWidth, int imageHeight,
                                          const TSliceOptions& options);

// Cell FrameIndex of a side-by-side strip unscaled at ((width - cell width) / 2,
// (height - image height) / 2), truncating toward zero; it may stick out of the destination.
std::vector<TSlicePiece> CenteredCellPieces(int width, int height, int imageWidth, int imageHeight,
                                            const TSliceOptions& options);

// Caps of LeftWidth and RightWidth columns and the middle between them, all stretched to the
// height, the middle also across; a destination narrower than the cell takes the whole cell
// stretched. Uses FrameCount, FrameIndex, Stacked and the two widths.
std::vector<TSlicePiece> ThreePartStretchPieces(int width, int height, int imageWidth, int imageHeight,
                                                const TSliceOptions& options);

// Source repeated unscaled over dest (absolute coordinates here), column by column; the copies
// at the right and bottom are cut at dest's edges. Nothing for a source of no area.
std::vector<TSlicePiece> TilePieces(const TRect& dest, const TRect& source);

}  // namespace tw
