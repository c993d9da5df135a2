// Frame figures for a window of the main window's client size (538 x 433) under each built-in
// skin: a full frame repaint skinned against the system's own frame, the region build, and the
// GDI objects a frame painter holds. Prints; run by hand under the Wine bench.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "app/SkinResources.h"
#include "skin/data/SkinData.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinCaption.h"
#include "skin/package/SkinStore.h"
#include "tests/support/GuiObjectCount.h"

namespace {

using namespace tw;
using TClock = std::chrono::steady_clock;

constexpr int kClientWidth = 538, kClientHeight = 433, kRounds = 200;

// The painter and view of the one skinned window; its procedure answers the frame messages.
TFramePainter* g_painter = nullptr;
TFrameView g_view;

LRESULT CALLBACK SkinnedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE:
            if (wParam && g_painter) {
                auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
                p->rgrc[0] = g_painter->ClientRectFor(p->rgrc[0]);
                return 0;
            }
            break;
        case WM_NCPAINT:
            if (g_painter) {
                g_painter->PaintFrame(g_view, nullptr);
                return 0;
            }
            break;
        case WM_NCACTIVATE:
            return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* cls, DWORD style, int w, int h) {
    return CreateWindowExW(0, cls, L"Tarnwick  5.0  \x7ACB\x5373\x8F6C\x6362", style | WS_VISIBLE, 20, 20, w, h,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

template <class Work>
double MillisecondsEach(Work work) {
    work();  // warm
    const auto start = TClock::now();
    for (int i = 0; i < kRounds; ++i) work();
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count() / kRounds;
}

double FrameRepaint(HWND window) {
    return MillisecondsEach(
        [window] { RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); });
}

// Bitmaps and fonts: what a painter and the caption add-on can hold (a window also brings
// regions and DCs of the system's own).
int HeldKinds() {
    test::TGuiObjectCount count;
    return test::CountGuiObjects(count) ? count.Of(OBJ_BITMAP) + count.Of(OBJ_FONT) : -1;
}

}  // namespace

int main() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"BenchSystemFrame";
    RegisterClassExW(&wc);
    wc.lpfnWndProc = SkinnedProc;
    wc.lpszClassName = L"BenchSkinnedFrame";
    RegisterClassExW(&wc);

    // The system's frame around the same client, with the main window's style.
    const DWORD systemStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, systemStyle, FALSE, 0);
    HWND system = MakeWindow(L"BenchSystemFrame", systemStyle, outer.right - outer.left, outer.bottom - outer.top);
    Pump();
    const double systemMs = FrameRepaint(system);
    DestroyWindow(system);
    std::printf("system frame repaint: %.3f ms (window %ld x %ld)\n", systemMs, outer.right - outer.left,
                outer.bottom - outer.top);

    TSkinStore store(nullptr);
    LoadBuiltInSkins(store);
    TSkinCaption caption(nullptr);
    caption.SetActive(true);
    std::printf("%-5s %-10s %12s %8s %14s %10s %12s\n", "skin", "window", "repaint ms", "ratio", "region ms", "region",
                "painter GDI");
    for (int i = 0; i < store.Store()->Count(); ++i) {
        TSkinData data(nullptr);
        data.LoadFromStore(&store, i);
        if (data.FNoSkin) continue;
        const int heldBefore = HeldKinds();
        auto painter = std::make_unique<TFramePainter>();
        painter->ReadFrameMetrics(data, bkFixed);
        const TFrameMetrics m = painter->Metrics();
        const int w = kClientWidth + m.BorderLeft + m.BorderRight, h = kClientHeight + m.TitleHeight + m.BorderBottom;
        g_painter = painter.get();
        HWND skinned = MakeWindow(L"BenchSkinnedFrame", WS_POPUP, w, h);
        g_view = TFrameView{};
        g_view.Window = skinned;
        g_view.SkinData = &data;
        painter->RenderIcon(skinned);
        Pump();
        const double repaintMs = FrameRepaint(skinned);
        const double regionMs = MillisecondsEach([&] { painter->BuildRegion(g_view, true); });
        const TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
        const int type = GetWindowRgn(skinned, region.Get());
        // What the painter keeps once the window is painted (its region is the system's and
        // goes first): the title buffer, the icon and, with the first skin only, the caption font.
        painter->DropRegion(skinned, false);
        const int held = HeldKinds() - heldBefore;
        std::printf("%-5d %4d x %-4d %12.3f %7.2fx %14.3f %10s %12d\n", i, w, h, repaintMs, repaintMs / systemMs,
                    regionMs, type == COMPLEXREGION ? "shaped" : "rectangle", held);
        g_painter = nullptr;
        DestroyWindow(skinned);
        Pump();
    }
    return 0;
}
