#include "framework/win/GlyphBitmap.h"

namespace tw {

const TClassInfo& TGlyphBitmap::StaticClassInfo() {
    static const TClassInfo info{
        "TGlyphBitmap",
        &TObject::StaticClassInfo(),
        {
            IntProp<TGlyphBitmap>(
                "Width", [](const TGlyphBitmap& b) { return b.Width(); },
                [](TGlyphBitmap& b, int64_t v) { b.SetSize(static_cast<int>(v), b.Height()); }),
            IntProp<TGlyphBitmap>(
                "Height", [](const TGlyphBitmap& b) { return b.Height(); },
                [](TGlyphBitmap& b, int64_t v) { b.SetSize(b.Width(), static_cast<int>(v)); }),
        }};
    return info;
}

bool TGlyphBitmap::SetSize(int width, int height) {
    bitmap_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        Changed();
        return width == 0 || height == 0;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up: the first row in memory is the bottom one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        bitmap_.Reset();
        Changed();
        return false;
    }
    bits_ = static_cast<const uint8_t*>(bits);
    width_ = width;
    height_ = height;
    Changed();
    return true;
}

COLORREF TGlyphBitmap::TransparentColor() const {
    if (!bits_) return 0;
    GdiFlush();  // drawing through a DC may still be queued
    return RGB(bits_[2], bits_[1], bits_[0]);
}

}  // namespace tw
