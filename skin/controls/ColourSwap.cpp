#include "skin/controls/ColourSwap.h"

#include <cstdint>

#include "framework/win/Handles.h"

namespace tw {

bool SwapColour(HDC dc, const RECT& area, COLORREF from, COLORREF to) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || from == to) return true;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const TBitmapHandle bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return false;
    const TMemoryDC memory = CompatibleDC(dc);
    if (!memory) return false;
    const TSelection select = Select(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, width, height, dc, area.left, area.top, SRCCOPY)) return false;
    GdiFlush();
    // A 32-bit DIB pixel is 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    auto pixel = [](COLORREF c) {
        return static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 | GetBValue(c);
    };
    const uint32_t wanted = pixel(from), replacement = pixel(to);
    auto* p = static_cast<uint32_t*>(bits);
    bool any = false;
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i)
        if ((p[i] & 0xFFFFFF) == wanted) {
            p[i] = replacement;
            any = true;
        }
    if (any) BitBlt(dc, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

}  // namespace tw
