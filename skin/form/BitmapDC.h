// TBitmapDC: a memory DC with one bitmap selected into it for as long as it lives.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"
#include "skin/data/Bitmap.h"

namespace tw {

class TBitmapDC {
public:
    TBitmapDC(HDC compatible, HBITMAP bitmap)
        : dc_(CompatibleDC(compatible)), selection_(Select(dc_.Get(), dc_ ? bitmap : nullptr)), ok_(dc_ && bitmap) {}
    TBitmapDC(HDC compatible, const TBitmap& bitmap) : TBitmapDC(compatible, static_cast<HBITMAP>(bitmap.Handle())) {}

    // False when the DC could not be made or there was no bitmap to select.
    explicit operator bool() const { return ok_; }
    HDC Get() const { return dc_.Get(); }

private:
    TMemoryDC dc_;
    TSelection selection_;
    bool ok_;
};

}  // namespace tw
