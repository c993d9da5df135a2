// The skin-image routines on device contexts: nine-slice, three-slice, strip frames, centred
// cells, three-part stretch and tiling. Each composes off-screen and copies to the DC once;
// magenta is the transparent key. Nothing is drawn for an inverted or empty rect, an empty image
// or a DC that is none; failures are swallowed, as painting must not fail a window.
#pragma once

#include <windows.h>

#include "skin/data/Bitmap.h"
#include "skin/data/NineSlice.h"

namespace tw {

// One frame of image drawn nine-slice over rect (options: frame count and index, stacked,
// tiled centre, the four margins).
void DrawNineSlice(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent);

// Left cap, unscaled middle repeated, right cap (options: frame count and index, stacked, left
// and right widths).
void DrawThreeSlice(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent);

// One cell of a side-by-side strip stretched to rect (options: frame count and index).
void DrawStripFrame(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent);

// One cell of a side-by-side strip unscaled, centred in rect (options: frame count and index).
void DrawStripCentered(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent);

// Caps stretched to the height, middle stretched both ways; the whole cell when rect is
// narrower than it (options: frame count and index, stacked, left and right widths). Opaque.
void DrawThreePartStretch(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options);

// The source rect of image (cut to the image) repeated unscaled over dest and cut at its edges.
// Opaque; nothing for a source of no area.
void TileBitmap(HDC dc, const RECT& dest, const TBitmap& image, const RECT& source);

}  // namespace tw
