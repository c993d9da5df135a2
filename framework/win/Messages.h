// TMessage, TWndMethod and the framework's own message numbers (CM_* notifications and the
// CN_* reflections of notifications a parent receives for its child).
#pragma once

#include <windows.h>

namespace tw {

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// A window-procedure method: an object and one of its methods. Comparable, so a skinner can
// tell whether the method it installed is still the current one before it restores its saved one.
class TWndMethod {
public:
    using Code = void (*)(void* data, TMessage& message);

    TWndMethod() = default;
    TWndMethod(void* data, Code code) : data_(data), code_(code) {}

    template <class T, void (T::*Method)(TMessage&)>
    static TWndMethod Of(T* object) {
        return TWndMethod(object, [](void* data, TMessage& m) { (static_cast<T*>(data)->*Method)(m); });
    }

    explicit operator bool() const { return code_ != nullptr; }
    void operator()(TMessage& message) const {
        if (code_) code_(data_, message);
    }
    void* Data() const { return data_; }
    bool operator==(const TWndMethod& o) const { return data_ == o.data_ && code_ == o.code_; }
    bool operator!=(const TWndMethod& o) const { return !(*this == o); }

private:
    void* data_ = nullptr;
    Code code_ = nullptr;
};

// Framework notifications, delivered through a control's WindowProc.
enum : UINT {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_DIALOGKEY = CM_BASE + 5,     // wParam virtual key; a non-zero Result means handled
    CM_DIALOGCHAR = CM_BASE + 6,    // wParam character (accelerator search)
    CM_FOCUSCHANGED = CM_BASE + 7,  // to the form, lParam = the control that took the focus
    CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9,
    CM_VISIBLECHANGED = CM_BASE + 11,
    CM_ENABLEDCHANGED = CM_BASE + 12,
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,
    CM_MOUSELEAVE = CM_BASE + 20,
    CM_MENUCHANGED = CM_BASE + 21,
    CM_SHOWINGCHANGED = CM_BASE + 25,
    CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27,
    CM_RELEASE = CM_BASE + 33,      // posted to a form: free it once its messages have returned
    CM_RECREATEWND = CM_BASE + 51,  // posted to a control: destroy and create its window again

    // Reflections: a parent sends CN_BASE + msg to the child the notification is about.
    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
    CN_DRAWITEM = CN_BASE + WM_DRAWITEM,
    CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM,
    CN_HSCROLL = CN_BASE + WM_HSCROLL,
    CN_VSCROLL = CN_BASE + WM_VSCROLL,
    CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
    CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX,
    CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN,
    CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,

    // Posted to the application's utility window to run a queued call on the UI thread.
    WM_TW_INVOKE = WM_APP + 0x301,
};

}  // namespace tw
