#include "framework/win/Subclass.h"

#include <commctrl.h>

#include "framework/win/Forms.h"

namespace tw {

namespace {

// Holds the chain open for a procedure set over it: passes every message on and leaves with
// the window.
LRESULT CALLBACK PassOn(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(wnd, &PassOn, id);
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

}  // namespace

bool TWindowSubclass::Install(HWND wnd, TWndMethod target) {
    if (wnd_ || !wnd || !IsWindow(wnd)) return false;
    target_ = target;
    if (!SetWindowSubclass(wnd, &TWindowSubclass::Route, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    wnd_ = wnd;
    chainProc_ = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
    return true;
}

void TWindowSubclass::Remove() {
    if (!wnd_) return;
    // Someone set a procedure of their own over the chain since: the last layer leaving would
    // put the window's first procedure back over theirs, so a layer that only passes on stays.
    if (IsWindow(wnd_) && GetWindowLongPtrW(wnd_, GWLP_WNDPROC) != chainProc_) SetWindowSubclass(wnd_, &PassOn, 1, 0);
    RemoveWindowSubclass(wnd_, &TWindowSubclass::Route, reinterpret_cast<UINT_PTR>(this));
    wnd_ = nullptr;
}

void TWindowSubclass::CallPrevious(TMessage& message) const {
    message.Result = wnd_ ? DefSubclassProc(wnd_, message.Msg, message.WParam, message.LParam) : 0;
}

LRESULT CALLBACK TWindowSubclass::Route(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TWindowSubclass*>(data);
    TMessage message{msg, wParam, lParam, 0};
    if (msg == WM_NCDESTROY) {
        // The target passes the last message down itself; the layer leaves the chain after it.
        // A target must not free this object while the message runs (free it at a later sweep).
        GuardCallback([self, &message] { self->target_(message); });
        if (self->wnd_ == wnd) self->Remove();
        return message.Result;
    }
    GuardCallback([self, &message] { self->target_(message); });
    return message.Result;
}

}  // namespace tw
