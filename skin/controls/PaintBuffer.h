// TPaintBuffer: the off-screen bitmap a control skinner composes its picture in, kept while the
// control keeps its size.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"

namespace tw {

class TPaintBuffer {
public:
    // A bitmap of width x height compatible with dc (made again when the size changed); null
    // when none could be made.
    HBITMAP For(HDC dc, int width, int height) {
        if (!bitmap_ || size_.cx != width || size_.cy != height) {
            bitmap_.Reset(CreateCompatibleBitmap(dc, width, height));
            size_ = SIZE{width, height};
        }
        return bitmap_.Get();
    }

private:
    TBitmapHandle bitmap_;
    SIZE size_{};
};

}  // namespace tw
