// progress_watch: samples the converter's progress bar every few milliseconds and prints each
// change as "<ms since start> <position> <maximum>", until a stop file appears, the window goes
// or the time runs out; then "slowest-reply <ms>", the longest the window took to answer one
// sample (a window that stops pumping its messages shows here). A script polling through
// separate driver runs sees far fewer values.
// usage: progress_watch <window class> <stop file> [<max ms>]
#include <windows.h>
#include <commctrl.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK FindBar(HWND window, LPARAM data) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"TProgressBar" || std::wstring(name) == PROGRESS_CLASSW) {
        reinterpret_cast<Search*>(data)->found = window;
        return FALSE;
    }
    return TRUE;
}

int Send(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG, 1000, &result)) return -1;
    return static_cast<int>(result);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: progress_watch <window class> <stop file> [<max ms>]\n");
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // plain LF lines for the shell
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG limit = argc > 3 ? std::wcstoull(argv[3], nullptr, 10) : 120000;
    HWND form = nullptr;
    HWND bar = nullptr;
    while (!bar && GetTickCount64() - start < limit) {
        form = FindWindowW(argv[1], nullptr);
        Search search;
        if (form) EnumChildWindows(form, FindBar, reinterpret_cast<LPARAM>(&search));
        bar = search.found;
        if (!bar) Sleep(50);
    }
    if (!bar) {
        std::fprintf(stderr, "progress_watch: no progress bar in a %ls window\n", argv[1]);
        return 1;
    }
    int lastPos = -2, lastMax = -2;
    ULONGLONG slowest = 0;
    while (GetTickCount64() - start < limit && IsWindow(bar)) {
        if (GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES) break;
        const ULONGLONG asked = GetTickCount64();
        int pos = Send(bar, PBM_GETPOS, 0);
        int max = Send(bar, PBM_GETRANGE, FALSE);
        const ULONGLONG took = GetTickCount64() - asked;
        if (took > slowest) slowest = took;
        if (pos != lastPos || max != lastMax) {
            std::printf("%llu %d %d\n", GetTickCount64() - start, pos, max);
            std::fflush(stdout);
            lastPos = pos;
            lastMax = max;
        }
        Sleep(5);
    }
    std::printf("slowest-reply %llu\n", slowest);
    return 0;
}
