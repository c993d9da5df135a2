// run_timer: presses a button of a window and measures, to a few milliseconds, how long the
// button stays away: for exactly the length of a run the converter's "立即转换" is disabled
// (while a probe runs) or reads otherwise (it stops the run).
// Prints "run_ms <milliseconds>". usage: run_timer <window class> <button text> [<max ms>]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    const wchar_t* text;
    HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    if (std::wstring(text) == search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: run_timer <window class> <button text> [<max ms>]\n");
        return 2;
    }
    const ULONGLONG limit = argc > 3 ? std::wcstoull(argv[3], nullptr, 10) : 600000;
    HWND form = FindWindowW(argv[1], nullptr);
    Search search{argv[2]};
    if (form) EnumChildWindows(form, FindButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "run_timer: no such button\n");
        return 1;
    }
    HWND button = search.found;
    if (!IsWindowEnabled(button)) {
        std::fprintf(stderr, "run_timer: the button is disabled already\n");
        return 1;
    }
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    auto elapsedMs = [&]() {
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    };
    PostMessageW(button, BM_CLICK, 0, 0);
    auto showsItself = [&] {
        wchar_t text[128] = {};
        GetWindowTextW(button, text, 128);
        return IsWindowEnabled(button) && std::wstring(text) == search.text;
    };
    // An empty run may end between two looks; then the button never seems away.
    bool seenDisabled = false;
    while (elapsedMs() < static_cast<double>(limit) && IsWindow(button)) {
        bool enabled = showsItself();
        if (!enabled) seenDisabled = true;
        if (seenDisabled && enabled) {
            std::printf("run_ms %.0f\n", elapsedMs());
            return 0;
        }
        if (!seenDisabled && elapsedMs() > 5000) {
            std::fprintf(stderr, "run_timer: the run did not start\n");
            return 1;
        }
        Sleep(5);
    }
    std::fprintf(stderr, "run_timer: the run did not end in time\n");
    return 1;
}
