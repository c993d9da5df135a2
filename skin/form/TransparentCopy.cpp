#include "skin/form/TransparentCopy.h"

#include <algorithm>

#include "framework/win/Handles.h"
#include "skin/form/BitmapDC.h"

namespace tw {

namespace {

// The four-operand raster operation of MaskBlt: where the mask is set (key pixels) the
// destination stays, elsewhere the source is copied.
constexpr DWORD kKeepDestination = 0x00AA0029;
constexpr DWORD kKeyedRop = MAKEROP4(kKeepDestination, SRCCOPY);

}  // namespace

bool KeyedCopy(HDC dest, int x, int y, int w, int h, HDC source, int sourceX, int sourceY, TColor key) {
    if (!dest || !source || w <= 0 || h <= 0) return false;
    TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
    if (!mask) return false;
    TBitmapDC maskDC(source, mask.Get());
    if (!maskDC) return false;
    // Colour to monochrome: pixels of the source's background colour become 1, the rest 0.
    const COLORREF oldBack = SetBkColor(source, static_cast<COLORREF>(key & 0xFFFFFF));
    const BOOL masked = BitBlt(maskDC.Get(), 0, 0, w, h, source, sourceX, sourceY, SRCCOPY);
    SetBkColor(source, oldBack);
    if (!masked) return false;
    return MaskBlt(dest, x, y, w, h, source, sourceX, sourceY, mask.Get(), 0, 0, kKeyedRop) != FALSE;
}

void TransparentCopy(HDC dc, const RECT& rect, const TBitmap& bitmap, TColor key) {
    const int w = std::min<int>(rect.right - rect.left, bitmap.Width());
    const int h = std::min<int>(rect.bottom - rect.top, bitmap.Height());
    if (!dc || w <= 0 || h <= 0) return;
    TBitmapDC source(dc, bitmap);
    if (source) KeyedCopy(dc, rect.left, rect.top, w, h, source.Get(), 0, 0, key);
}

}  // namespace tw
