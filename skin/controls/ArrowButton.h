// TArrowButton: a small window laid over a date picker's own drop-down arrow, drawn from the
// skin's combo arrow; a press on it is handed to the picker, which opens its calendar.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"

namespace tw {

class TSkinData;

class TArrowButton {
public:
    TArrowButton() = default;
    TArrowButton(const TArrowButton&) = delete;
    TArrowButton& operator=(const TArrowButton&) = delete;

    // Makes the button a child of picker over the picker's arrow (the picker clips it out).
    void Place(HWND picker, TSkinData& data);
    HWND Handle() const { return window_.Get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void SetHot(bool hot);

    TWindowHandle window_;
    HWND picker_ = nullptr;
    TSkinData* data_ = nullptr;
    bool hot_ = false;
};

}  // namespace tw
