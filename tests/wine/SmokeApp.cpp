// The bench's smoke-test program: a window that paints "立即转换" in 12 px 宋体 and counts the
// clicks on its button. It exits with the number of clicks, so the script sees exit codes pass.
#include <windows.h>

#include <string>

#include "framework/win/Handles.h"

namespace {

constexpr int kButtonId = 100;
constexpr int kCountId = 101;
constexpr int kTextX = 20;  // where the caption text is painted, in client coordinates
constexpr int kTextY = 20;

int g_clicks = 0;
tw::TFontHandle g_font;

std::wstring CountText() { return L"已点击 " + std::to_wstring(g_clicks) + L" 次"; }

LRESULT CALLBACK WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: {
            HWND b = CreateWindowExW(0, L"BUTTON", L"点击", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 100, 75, 25, w,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), nullptr, nullptr);
            HWND s = CreateWindowExW(0, L"STATIC", CountText().c_str(), WS_CHILD | WS_VISIBLE, 110, 104, 120, 16, w,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCountId)), nullptr, nullptr);
            SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(g_font.Get()), FALSE);
            SendMessageW(s, WM_SETFONT, reinterpret_cast<WPARAM>(g_font.Get()), FALSE);
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wp) == kButtonId && HIWORD(wp) == BN_CLICKED) {
                ++g_clicks;
                SetDlgItemTextW(w, kCountId, CountText().c_str());
            }
            return 0;
        case WM_PAINT: {
            const tw::TPaintDC paint(w);
            const tw::TSelection selectFont = tw::Select(paint.Get(), g_font.Get());
            SetTextColor(paint.Get(), RGB(0, 0, 0));
            SetBkMode(paint.Get(), TRANSPARENT);
            const wchar_t text[] = L"立即转换";
            TextOutW(paint.Get(), kTextX, kTextY, text, 4);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(g_clicks);
            return 0;
        default:
            return DefWindowProcW(w, msg, wp, lp);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    g_font.Reset(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体"));
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"TwBenchSmoke";
    if (!RegisterClassExW(&wc)) {
        return 100;
    }
    RECT r = {0, 0, 320, 160};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRectEx(&r, style, FALSE, 0);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Bench smoke 应用", style, 100, 100, r.right - r.left,
                             r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    if (w == nullptr) {
        return 101;
    }
    ShowWindow(w, show);
    UpdateWindow(w);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    g_font.Reset();
    return static_cast<int>(m.wParam);
}
