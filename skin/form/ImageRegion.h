// RegionFromBitmap: a region of every pixel of a bitmap outside a key colour range.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"
#include "skin/data/Bitmap.h"

namespace tw {

// Rectangles go to the system in batches of this many: some systems limit a region's data.
constexpr size_t kRegionBatch = 2000;

// The pixels of bitmap outside [key, key + tolerance] per channel, moved by (x, y); none when
// every pixel is a key pixel or a region could not be made.
TRegionHandle RegionFromBitmap(const TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                               int redTolerance, TColor key = kColorMagenta);

}  // namespace tw
