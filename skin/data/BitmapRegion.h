// The shape of a bitmap as rectangles: every pixel outside a key colour range, for window
// regions cut from skin images.
#pragma once

#include <cstddef>
#include <vector>

#include "skin/data/Bitmap.h"
#include "skin/data/Rect.h"

namespace tw {

// The colours left out of a shape: each channel from the key's value up to that value plus its
// tolerance, at most 255 (a negative tolerance counts as 0).
struct TKeyRange {
    int RedLow = 0, RedHigh = -1, GreenLow = 0, GreenHigh = -1, BlueLow = 0, BlueHigh = -1;
    bool Contains(TColor color) const;
};
TKeyRange KeyRangeOf(TColor key, int blueTolerance, int greenTolerance, int redTolerance);

// Rectangles covering exactly the bitmap's pixels outside keys, moved by (x, y): the maximal
// runs of each row, and where consecutive rows have the same runs, one rectangle as tall as
// those rows. Sorted by top, then left; none for a bitmap of key pixels only.
std::vector<TRect> ShapeRectsOfBitmap(const TBitmap& bitmap, const TKeyRange& keys, int x, int y);

// The smallest rectangle holding rects[first, first + count); an empty rectangle for none.
TRect BoundsOfRects(const std::vector<TRect>& rects, size_t first, size_t count);

}  // namespace tw
