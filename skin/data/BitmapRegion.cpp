#include "skin/data/BitmapRegion.h"

#include <algorithm>

namespace tw {

bool TKeyRange::Contains(TColor color) const {
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    return r >= RedLow && r <= RedHigh && g >= GreenLow && g <= GreenHigh && b >= BlueLow && b <= BlueHigh;
}

TKeyRange KeyRangeOf(TColor key, int blueTolerance, int greenTolerance, int redTolerance) {
    auto high = [](int low, int tolerance) { return std::min(255, low + std::max(tolerance, 0)); };
    TKeyRange k;
    k.RedLow = RedOf(key);
    k.RedHigh = high(k.RedLow, redTolerance);
    k.GreenLow = GreenOf(key);
    k.GreenHigh = high(k.GreenLow, greenTolerance);
    k.BlueLow = BlueOf(key);
    k.BlueHigh = high(k.BlueLow, blueTolerance);
    return k;
}

std::vector<TRect> ShapeRectsOfBitmap(const TBitmap& bitmap, const TKeyRange& keys, int x, int y) {
    std::vector<TRect> rects;
    // The runs of the band of identical rows still open, as [left, right) pairs, and its top.
    std::vector<std::pair<int, int>> band, row;
    int bandTop = 0;
    auto closeBand = [&](int bottom) {
        for (const auto& [left, right] : band) rects.emplace_back(left + x, bandTop + y, right + x, bottom + y);
        band.clear();
    };
    const int width = bitmap.Width(), height = bitmap.Height();
    for (int py = 0; py < height; ++py) {
        row.clear();
        for (int px = 0; px < width;) {
            while (px < width && keys.Contains(bitmap.Pixel(px, py))) ++px;
            const int left = px;
            while (px < width && !keys.Contains(bitmap.Pixel(px, py))) ++px;
            if (px > left) row.emplace_back(left, px);
        }
        if (row == band) continue;
        closeBand(py);
        band.swap(row);
        bandTop = py;
    }
    closeBand(height);
    return rects;
}

TRect BoundsOfRects(const std::vector<TRect>& rects, size_t first, size_t count) {
    const size_t end = std::min(rects.size(), first + count);
    if (first >= end) return {};
    TRect bounds = rects[first];
    for (size_t i = first + 1; i < end; ++i) {
        const TRect& r = rects[i];
        bounds = {std::min(bounds.Left, r.Left), std::min(bounds.Top, r.Top), std::max(bounds.Right, r.Right),
                  std::max(bounds.Bottom, r.Bottom)};
    }
    return bounds;
}

}  // namespace tw
