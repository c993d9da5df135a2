#include "framework/win/Subclass.h"

#include <commctrl.h>

#include "framework/win/Forms.h"

namespace tw {

bool TWindowSubclass::Install(HWND wnd, TWndMethod target) {
    if (wnd_ || !wnd || !IsWindow(wnd)) return false;
    target_ = target;
    if (!SetWindowSubclass(wnd, &TWindowSubclass::Route, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    wnd_ = wnd;
    return true;
}

void TWindowSubclass::Remove() {
    if (!wnd_) return;
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
