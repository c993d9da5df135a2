// TRedrawFreeze: holds a shown window and its children still while a batch of changes lands,
// then asks for one repaint of the lot.
#pragma once

#include <windows.h>

namespace tw {

// Every change made to a window tree (a state that each control answers by painting itself at
// once) would otherwise paint each control once per change and the whole group again after
// it. While frozen the tree paints nothing; the one repaint after it comes through the message
// loop, so each control paints once, in its final state. A hidden window is left alone:
// switching redrawing back on would show it.
class TRedrawFreeze {
public:
    explicit TRedrawFreeze(HWND window) noexcept
        : window_(window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) ? window : nullptr) {
        if (window_) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    }
    ~TRedrawFreeze() {
        if (!window_ || !IsWindow(window_)) return;
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    TRedrawFreeze(const TRedrawFreeze&) = delete;
    TRedrawFreeze& operator=(const TRedrawFreeze&) = delete;

private:
    HWND window_;
};

}  // namespace tw
