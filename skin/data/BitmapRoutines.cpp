#include "skin/data/BitmapRoutines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "skin/data/SystemInfo.h"

namespace tw {

namespace {

void Ensure24(TBitmap& bitmap) { bitmap.SetPixelFormat(TPixelFormat::pf24bit); }

bool IsMagenta(const uint8_t* p) { return p[0] == 255 && p[1] == 0 && p[2] == 255; }

// Cached ramps: the requested ends are kept with each slot, so a ramp whose computed last
// entry differs from the requested end (rounding of falling channels) is still found again.
struct TRampSlot {
    int steps = 0;
    TColor start = 0, end = 0;
    std::vector<TColor> entries;
};

struct TRampCache {
    std::array<TRampSlot, 16> slots;
    int next = 0;
};

TRampCache& Ramps() {
    static TRampCache cache;
    return cache;
}

std::vector<TColor> MakeRamp(int n, TColor start, TColor end) {
    const int dr = RedOf(end) - RedOf(start), dg = GreenOf(end) - GreenOf(start), db = BlueOf(end) - BlueOf(start);
    std::vector<TColor> ramp;
    if (n <= 1) {
        ramp.push_back(static_cast<TColor>(int64_t(start) + dr / 2 + (dg / 2) * 256 + (db / 2) * 65536));
        return ramp;
    }
    const int d = n - 1, h = d / 2;
    const int64_t base = start & 0xFFFFFF;
    ramp.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        int64_t r = (h + int64_t(i) * dr) / d, g = (h + int64_t(i) * dg) / d, b = (h + int64_t(i) * db) / d;
        ramp.push_back(static_cast<TColor>(base + r + g * 256 + b * 65536));
    }
    return ramp;
}

}  // namespace

void GrayBitmap(TBitmap& bitmap) {
    Ensure24(bitmap);
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            auto v = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = v;
        }
    }
}

void ReplaceMagenta(TBitmap& bitmap, TColor color) {
    Ensure24(bitmap);
    const auto r = static_cast<uint8_t>(RedOf(color)), g = static_cast<uint8_t>(GreenOf(color)),
               b = static_cast<uint8_t>(BlueOf(color));
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3)
            if (IsMagenta(p)) {
                p[0] = b;
                p[1] = g;
                p[2] = r;
            }
    }
}

void MirrorBitmap(TBitmap& bitmap) {
    Ensure24(bitmap);
    if (bitmap.Empty()) return;
    TBitmap copy(bitmap.Width(), bitmap.Height(), TPixelFormat::pf24bit);
    const int w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* src = bitmap.ScanLine(y);
        uint8_t* dst = copy.ScanLine(y);
        for (int x = 0; x < w; ++x) std::memcpy(dst + 3 * x, src + 3 * (w - 1 - x), 3);
    }
    copy.SetTransparent(bitmap.Transparent());
    copy.SetTransparentColor(bitmap.TransparentColor());
    bitmap = std::move(copy);
}

void FlipBitmap(TBitmap& bitmap) {
    Ensure24(bitmap);
    if (bitmap.Empty()) return;
    TBitmap copy(bitmap.Width(), bitmap.Height(), TPixelFormat::pf24bit);
    const int h = bitmap.Height();
    const size_t rowBytes = static_cast<size_t>(bitmap.Width()) * 3;
    for (int y = 0; y < h; ++y) std::memcpy(copy.ScanLine(y), bitmap.ScanLine(h - 1 - y), rowBytes);
    copy.SetTransparent(bitmap.Transparent());
    copy.SetTransparentColor(bitmap.TransparentColor());
    bitmap = std::move(copy);
}

namespace {

// turn(x, y, w, h) gives the new (column, row) of old pixel (x, y).
template <class Turn>
void Rotate(TBitmap& bitmap, Turn turn) {
    if (bitmap.Empty()) {
        Ensure24(bitmap);
        return;
    }
    TBitmap source(bitmap);
    source.SetPixelFormat(TPixelFormat::pf32bit);
    const int w = source.Width(), h = source.Height();
    TBitmap result(h, w, TPixelFormat::pf24bit);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = source.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            int nx = 0, ny = 0;
            turn(x, y, w, h, nx, ny);
            std::memcpy(result.ScanLine(ny) + 3 * nx, src + 4 * x, 3);
        }
    }
    result.SetTransparent(bitmap.Transparent());
    result.SetTransparentColor(bitmap.TransparentColor());
    bitmap = std::move(result);
}

}  // namespace

void RotateLeft(TBitmap& bitmap) {
    Rotate(bitmap, [](int x, int y, int w, int, int& nx, int& ny) {
        nx = y;
        ny = w - 1 - x;
    });
}

void RotateRight(TBitmap& bitmap) {
    Rotate(bitmap, [](int x, int y, int, int h, int& nx, int& ny) {
        nx = h - 1 - y;
        ny = x;
    });
}

TColor Blend(TColor c1, TColor c2, int a) {
    c1 = ResolveColor(c1);
    c2 = ResolveColor(c2);
    const int scale = a < 100 ? 100 : 1000;
    auto mix = [&](int v1, int v2) {
        int v = (v1 * a + v2 * (scale - a) + scale / 2) / scale;
        // Weights outside 0..scale would spill into the neighbouring channel.
        return std::clamp(v, 0, 255);
    };
    return RGBColor(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)), mix(BlueOf(c1), BlueOf(c2)));
}

int SaturationOf(TColor color) {
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    if (r < 160 && g < 160 && b < 160) return 200;
    const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double s = mx == 0 ? 0.0 : static_cast<double>(mx - mn) / mx;
    return static_cast<int>(std::nearbyint(s * 255.0));
}

int GradientRamp(int steps, TColor start, TColor end) {
    TRampCache& cache = Ramps();
    const int n = std::max(steps, 1);
    for (int slot = 15; slot >= 0; --slot) {
        const TRampSlot& s = cache.slots[static_cast<size_t>(slot)];
        if (!s.entries.empty() && s.steps == n && s.start == start && s.end == end) return slot;
    }
    const int slot = cache.next;
    cache.next = (cache.next + 1) % 16;
    TRampSlot& s = cache.slots[static_cast<size_t>(slot)];
    s.steps = n;
    s.start = start;
    s.end = end;
    s.entries = MakeRamp(steps, start, end);
    return slot;
}

const std::vector<TColor>& RampEntries(int slot) {
    static const std::vector<TColor> none;
    if (slot < 0 || slot > 15) return none;
    return Ramps().slots[static_cast<size_t>(slot)].entries;
}

void ResetRampCache() { Ramps() = TRampCache(); }

TGradientSteps GradientStepsInClip(const TRect& rect, const TRect& clip, bool vertical) {
    TGradientSteps steps;
    if (rect.Intersect(clip).IsEmpty()) return steps;
    const int n = vertical ? rect.Height() : rect.Width();
    if (n <= 0) return steps;
    const int start = vertical ? rect.Top : rect.Left, end = vertical ? rect.Bottom : rect.Right;
    const int clipStart = vertical ? clip.Top : clip.Left, clipEnd = vertical ? clip.Bottom : clip.Right;
    steps.First = clipStart > start ? clipStart - start : 0;
    steps.Last = clipEnd < end ? clipEnd - start - 1 : n - 1;
    return steps;
}

void GradientFillBitmap(TBitmap& bitmap, const TRect& rect, const TRect& clip, TColor c1, bool vertical, TColor c2) {
    const TRect visible = clip.Intersect(TRect(0, 0, bitmap.Width(), bitmap.Height()));
    const TGradientSteps steps = GradientStepsInClip(rect, visible, vertical);
    if (steps.Empty()) return;
    const int n = vertical ? rect.Height() : rect.Width();
    const std::vector<TColor> ramp = RampEntries(GradientRamp(n, ResolveColor(c1), ResolveColor(c2)));
    for (int i = steps.First; i <= steps.Last && i < static_cast<int>(ramp.size()); ++i) {
        TRect band = vertical ? TRect(rect.Left, rect.Top + i, rect.Right, rect.Top + i + 1)
                              : TRect(rect.Left + i, rect.Top, rect.Left + i + 1, rect.Bottom);
        band = band.Intersect(visible);
        bitmap.FillRect(band.Left, band.Top, band.Right, band.Bottom, ramp[static_cast<size_t>(i)]);
    }
}

}  // namespace tw
