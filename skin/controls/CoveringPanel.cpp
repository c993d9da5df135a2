#include "skin/controls/CoveringPanel.h"

#include "skin/controls/PanelWindowClass.h"

namespace tw {

TCoveringPanel::TCoveringPanel(const wchar_t* className, HWND target) : target_(target) {
    HWND parent = GetParent(target);
    if (!parent || !RegisterPanelWindowClass(className)) return;
    window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TCoveringPanel::Procedure));
}

TCoveringPanel::~TCoveringPanel() {
    if (window_ && IsWindow(window_.Get())) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
    else
        (void)window_.Release();
}

void TCoveringPanel::Cover(const RECT& bounds, bool show) {
    if (!window_) return;
    const HWND above = GetWindow(target_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (above == window_.Get()) flags |= SWP_NOZORDER;
    SetWindowPos(window_.Get(), above ? above : HWND_TOP, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, flags);
    shown_ = show;
    Invalidate();
}

void TCoveringPanel::Hide() {
    if (window_ && IsWindow(window_.Get())) ShowWindow(window_.Get(), SW_HIDE);
    shown_ = false;
}

void TCoveringPanel::Invalidate() const {
    if (window_ && shown_) InvalidateRect(window_.Get(), nullptr, FALSE);
}

void TCoveringPanel::ReleaseOwnCapture() const {
    if (window_ && GetCapture() == window_.Get()) ReleaseCapture();
}

LRESULT TCoveringPanel::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_.Get(), msg, wParam, lParam);
}

LRESULT CALLBACK TCoveringPanel::Procedure(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TCoveringPanel*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
    try {
        return self->Dispatch(msg, wParam, lParam);
    } catch (...) {
        return 0;  // nothing crosses the window procedure
    }
}

LRESULT TCoveringPanel::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = window_.Get();
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_NCDESTROY:
            // Gone with its parent: the handle is no longer this panel's to destroy.
            SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
            (void)window_.Release();
            shown_ = false;
            return DefWindowProcW(wnd, msg, wParam, lParam);
        case WM_PAINT: {
            TPaintDC paint(wnd);
            if (paint.Get()) Draw(paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Draw(reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return Message(msg, wParam, lParam);
    }
}

}  // namespace tw
