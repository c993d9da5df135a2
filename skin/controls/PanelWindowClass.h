// RegisterPanelWindowClass: the plain window class of the windows a skinner lays over a control
// it draws for (scroll panels, a media player's panel): double clicks, the arrow cursor, and no
// painting of its own before the skinner's procedure takes the window over.
#pragma once

#include <windows.h>

namespace tw {

// True once the class named `name` is registered in this module, by this call or an earlier one.
inline bool RegisterPanelWindowClass(const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace tw
