// startup_timer: how long the gallery takes from its start until its window shows, with skinning
// off and with it on (until the window shows already skinned, answering the skin query). Runs
// the two kinds in turn and prints each run and the medians in milliseconds, then the ratio.
// usage: startup_timer <SkinGallery.exe> [<runs>]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/win/Handles.h"

namespace {

constexpr UINT kSkinQuery = 0x3523;

struct TFound {
    DWORD pid;
    HWND wnd;
};

BOOL CALLBACK FindVisibleWindowOf(HWND wnd, LPARAM data) {
    auto* found = reinterpret_cast<TFound*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != found->pid || !IsWindowVisible(wnd)) return TRUE;
    wchar_t title[64] = {};
    GetWindowTextW(wnd, title, 64);
    if (wcsncmp(title, L"Skin Gallery", 12) != 0) return TRUE;
    found->wnd = wnd;
    return FALSE;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: the time until the window shows (skinned, when skinned is asked for); -1 on failure.
double StartOnce(const std::wstring& gallery, bool skinned) {
    std::wstring line = L"\"" + gallery + L"\"" + (skinned ? L"" : L" --off");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    const tw::THandle thread(pi.hThread), process(pi.hProcess);
    TFound found{pi.dwProcessId, nullptr};
    double result = -1;
    for (int i = 0; i < 30000; ++i) {
        found.wnd = nullptr;
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&found));
        DWORD_PTR answer = 0;
        if (found.wnd && (!skinned || (SendMessageTimeoutW(found.wnd, kSkinQuery, 0, 0, SMTO_BLOCK, 1000, &answer) &&
                                       answer == 1))) {
            QueryPerformanceCounter(&shown);
            result = Milliseconds(start, shown);
            break;
        }
        Sleep(1);
    }
    if (found.wnd) PostMessageW(found.wnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.Get(), 15000) != WAIT_OBJECT_0) TerminateProcess(process.Get(), 1);
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_timer <SkinGallery.exe> [<runs>]\n");
        return 2;
    }
    int runs = argc > 2 ? _wtoi(argv[2]) : 5;
    std::vector<double> off, on;
    for (int r = 0; r < runs; ++r) {
        for (bool skinned : {false, true}) {
            double ms = StartOnce(argv[1], skinned);
            if (ms < 0) {
                std::fprintf(stderr, "startup_timer: run %d (%s) failed\n", r + 1, skinned ? "skinned" : "unskinned");
                return 1;
            }
            (skinned ? on : off).push_back(ms);
            std::printf("run %d %s %.0f ms\n", r + 1, skinned ? "skinned" : "unskinned", ms);
        }
    }
    std::printf("median unskinned %.0f ms, skinned %.0f ms, ratio %.2f\n", Median(off), Median(on),
                Median(on) / std::max(1.0, Median(off)));
    return 0;
}
