#include "skin/form/ImageRegion.h"

#include <algorithm>
#include <vector>

#include "skin/data/BitmapRegion.h"

namespace tw {

namespace {

// One region of rects[first, first + count).
TRegionHandle RegionOfRects(const std::vector<TRect>& rects, size_t first, size_t count) {
    // DWORD elements keep the header and the rectangles after it aligned.
    std::vector<DWORD> data((sizeof(RGNDATAHEADER) + count * sizeof(RECT) + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    const TRect bounds = BoundsOfRects(rects, first, count);
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(count);
    region->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    region->rdh.rcBound = RECT{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
    auto* out = reinterpret_cast<RECT*>(region->Buffer);
    for (size_t i = 0; i < count; ++i) {
        const TRect& r = rects[first + i];
        out[i] = RECT{r.Left, r.Top, r.Right, r.Bottom};
    }
    const DWORD size = static_cast<DWORD>(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    return TRegionHandle(ExtCreateRegion(nullptr, size, region));
}

}  // namespace

TRegionHandle RegionFromBitmap(const TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                               int redTolerance, TColor key) {
    try {
        // The rows are read directly: let GDI finish what it still draws into them.
        GdiFlush();
        const std::vector<TRect> rects = ShapeRectsOfBitmap(
            bitmap, KeyRangeOf(key, blueTolerance, greenTolerance, redTolerance), x, y);
        TRegionHandle result;
        for (size_t first = 0; first < rects.size(); first += kRegionBatch) {
            TRegionHandle part = RegionOfRects(rects, first, std::min(kRegionBatch, rects.size() - first));
            if (!part) return TRegionHandle();
            if (!result) result = std::move(part);
            else if (CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR) == ERROR)
                return TRegionHandle();
        }
        return result;
    } catch (...) {
        // Out of memory for the rectangles: no region, as for a bitmap of key pixels only.
        return TRegionHandle();
    }
}

}  // namespace tw
