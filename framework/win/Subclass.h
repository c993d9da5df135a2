// TWindowSubclass: routes the messages of any window to an object's method, as one layer of
// the window's subclass chain. Layers stack on one window and come off in any order without
// cutting the chain (the chain is comctl32's), with the same C++ code on x86 and x86_64.
#pragma once

#include <windows.h>

#include "framework/win/Messages.h"

namespace tw {

class TWindowSubclass {
public:
    TWindowSubclass() = default;
    ~TWindowSubclass() { Remove(); }
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    // Installs this layer on top of the window's chain; target receives every message first.
    bool Install(HWND wnd, TWndMethod target);
    // Takes this layer out of the chain, wherever it stands now, and never puts an older
    // procedure back over one set on the window since. Safe when not installed.
    void Remove();
    bool Installed() const { return wnd_ != nullptr; }
    HWND Window() const { return wnd_; }

    // Passes the message to the layer below this one (finally the window's own procedure)
    // and stores its answer in message.Result.
    void CallPrevious(TMessage& message) const;

private:
    static LRESULT CALLBACK Route(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

    HWND wnd_ = nullptr;
    TWndMethod target_;
    LONG_PTR chainProc_ = 0;  // the window's procedure while the chain was on top
};

}  // namespace tw
