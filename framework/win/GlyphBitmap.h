// TGlyphBitmap: the picture of a glyph button, a strip of equal cells (up, disabled, pressed,
// held down) in one 24-bit bitmap whose bottom-left pixel is the colour drawn transparent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"

namespace tw {

class TGlyphBitmap : public TObject {
    TW_CLASS_INFO()
public:
    TGlyphBitmap() = default;
    TGlyphBitmap(const TGlyphBitmap&) = delete;
    TGlyphBitmap& operator=(const TGlyphBitmap&) = delete;

    // A black bitmap of that size (0 by 0 empties it); false when the system refused it.
    bool SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_; }
    HBITMAP Handle() const { return bitmap_.Get(); }
    // The colour drawn transparent: the bottom-left pixel, as a COLORREF.
    COLORREF TransparentColor() const;
    // Tells the owner that the picture was drawn anew.
    void Changed() {
        if (OnChange) OnChange();
    }
    std::function<void()> OnChange;

private:
    TBitmapHandle bitmap_;
    const uint8_t* bits_ = nullptr;  // bottom-up rows of the DIB section
    int width_ = 0, height_ = 0;
};

}  // namespace tw
