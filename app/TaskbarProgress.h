// TTaskbarProgress: the current file's progress on the program's taskbar button, where the
// system offers it; silently nothing where it does not.
#pragma once

#include <windows.h>

struct ITaskbarList3;

namespace tw {

class TTaskbarProgress {
public:
    TTaskbarProgress();
    ~TTaskbarProgress();
    TTaskbarProgress(const TTaskbarProgress&) = delete;
    TTaskbarProgress& operator=(const TTaskbarProgress&) = delete;

    void Show(HWND window, int position, int maximum);
    void Clear(HWND window);

private:
    ITaskbarList3* list_ = nullptr;
};

}  // namespace tw
