// TSkinMenu: the "皮肤" submenu of the main window's system menu, one entry per built-in skin
// with the current one checked. Choosing an entry loads that skin into the skin component, which
// re-skins every window of the program at once; nothing of the choice is kept after exit.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"
#include "framework/win/Messages.h"
#include "framework/win/Subclass.h"

namespace tw {

class TSkinData;
class TSkinStore;

class TSkinMenu {
public:
    // The system-menu commands of the entries: the low four bits of a system command are the
    // system's, so the entries step by 16 below the system's own range.
    static constexpr UINT kFirstCommand = 0x7100;
    static constexpr UINT kCommandStep = 0x10;

    TSkinMenu(TSkinData& data, TSkinStore& store) : data_(data), store_(store) {}
    TSkinMenu(const TSkinMenu&) = delete;
    TSkinMenu& operator=(const TSkinMenu&) = delete;

    // Adds the submenu to window's system menu and listens for its commands; current is the
    // store item the skin component holds now.
    bool Install(HWND window, int current);
    // The entry of store item index was chosen: load it and check it.
    void Choose(int index);
    int Current() const { return current_; }

private:
    void WindowProcedure(TMessage& message);
    void CheckCurrent();

    TSkinData& data_;
    TSkinStore& store_;
    TWindowSubclass subclass_;
    HMENU skins_ = nullptr;  // owned by the system menu it was added to
    int current_ = -1;
};

}  // namespace tw
