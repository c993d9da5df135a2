// What the form skinner's tests share: a window class registered once per name, and a skinner
// host that remembers what it was told.
#pragma once

#include <windows.h>

#include "skin/form/FormSkinnerHost.h"

namespace tw {

// Registers a window class of this name with proc the first time; answers the name, or null
// when the class could not be registered.
inline const wchar_t* TestWindowClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return name;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) ? name : nullptr;
}

class TRecordingHost : public TFormSkinnerHost {
public:
    void AttachingStarted() override { ++attaching; }
    void SetMenuContext(int context) override { menuContext = context; }
    int attaching = 0;
    int menuContext = -1;
};

}  // namespace tw
