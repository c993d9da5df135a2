// Copies that leave the destination untouched under key-coloured pixels (MaskBlt with a
// monochrome mask of the key).
#pragma once

#include <windows.h>

#include "skin/data/Bitmap.h"

namespace tw {

// Copies the w x h block at (sourceX, sourceY) of source to (x, y) of dest, except its pixels
// of exactly the key colour. False when nothing could be copied.
bool KeyedCopy(HDC dest, int x, int y, int w, int h, HDC source, int sourceX, int sourceY, TColor key);

// Copies bitmap to rect's top-left corner, as much of it as rect holds, leaving the destination
// under key-coloured pixels. Nothing for an inverted or empty rect.
void TransparentCopy(HDC dc, const RECT& rect, const TBitmap& bitmap, TColor key = kColorMagenta);

}  // namespace tw
