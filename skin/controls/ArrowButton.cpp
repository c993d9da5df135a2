#include "skin/controls/ArrowButton.h"

#include "framework/win/Graphics.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

const wchar_t kClassName[] = L"TwSkinArrowButton";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSW cls{};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.lpszClassName = kClassName;
        return RegisterClassW(&cls) != 0;
    }();
    (void)registered;
}

}  // namespace

void TArrowButton::Place(HWND picker, TSkinData& data) {
    picker_ = picker;
    data_ = &data;
    RegisterOnce();
    const int size = GetSystemMetrics(SM_CXHSCROLL);
    RECT client{};
    GetClientRect(picker, &client);
    const bool left = (GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    RECT window{};
    GetWindowRect(picker, &window);
    const int x = left ? 2 : (window.right - window.left) - size - 4;
    SetWindowLongPtrW(picker, GWL_STYLE, GetWindowLongPtrW(picker, GWL_STYLE) | WS_CLIPCHILDREN);
    window_.Reset(CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, 0, size, size + 1, picker, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TArrowButton::WindowProc));
    InvalidateRect(window_.Get(), nullptr, TRUE);
}

LRESULT CALLBACK TArrowButton::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TArrowButton*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self || msg == WM_NCDESTROY) {
        if (self) {
            // The picker went first and took the button with it: nothing is left to destroy.
            SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
            (void)self->window_.Release();
        }
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
    try {
        return self->Handle(msg, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(wnd, msg, wParam, lParam);  // nothing crosses the window procedure
    }
}

LRESULT TArrowButton::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = window_.Get();
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            Paint(dc);
            EndPaint(wnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!hot_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, wnd, 0};
                TrackMouseEvent(&track);
                SetHot(true);
            }
            return 0;
        case WM_MOUSELEAVE:
            SetHot(false);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // The press goes to the picker at the same place, over its own arrow.
            RECT mine{};
            GetWindowRect(wnd, &mine);
            MapWindowPoints(HWND_DESKTOP, picker_, reinterpret_cast<POINT*>(&mine), 2);
            const LPARAM at = MAKELPARAM(static_cast<short>(LOWORD(lParam)) + mine.left,
                                         static_cast<short>(HIWORD(lParam)) + mine.top);
            PostMessageW(picker_, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(picker_, WM_LBUTTONUP, 0, at);
            InvalidateRect(wnd, nullptr, TRUE);
            return 0;
        }
        default:
            return DefWindowProcW(wnd, msg, wParam, lParam);
    }
}

void TArrowButton::SetHot(bool hot) {
    if (hot && !IsWindowEnabled(picker_)) hot = false;
    if (hot == hot_) return;
    hot_ = hot;
    InvalidateRect(window_.Get(), nullptr, TRUE);
}

void TArrowButton::Paint(HDC dc) {
    RECT client{};
    GetClientRect(window_.Get(), &client);
    const TBrushHandle face(CreateSolidBrush(ColorToRGB(ResolveColor(data_->Colours.ButtonFace))));
    FillRect(dc, &client, face.Get());
    const TDataSkinObject* arrow = data_->ComboxArrow.get();
    if (!arrow || arrow->Image.Empty()) return;
    TSliceOptions options;
    options.FrameCount = arrow->FrameCount > 0 ? arrow->FrameCount : 1;
    options.FrameIndex = hot_ && options.FrameCount >= 4 ? 4 : 1;
    DrawStripFrame(dc, client, arrow->Image, options, true);
}

}  // namespace tw
