// launch_cost: what starting one console child costs with each console choice, the way a
// converter starts its encoder (hidden, output on a pipe, waited for). Prints the mean
// milliseconds a launch for each creation flag. usage: launch_cost <program.exe> [<runs>]
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/win/Handles.h"

namespace {

double RunOnce(const std::wstring& program, DWORD flags) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    tw::THandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &sa, 1 << 16)) return -1;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_HIDE;
    si.hStdOutput = writeEnd.Get();
    si.hStdError = writeEnd.Get();
    PROCESS_INFORMATION pi{};
    std::wstring line = L"\"" + program + L"\"";
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    BOOL ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr, &si, &pi);
    writeEnd.Reset();
    if (ok) {
        const tw::THandle thread(pi.hThread), process(pi.hProcess);
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        }
        WaitForSingleObject(process.Get(), INFINITE);
    }
    QueryPerformanceCounter(&end);
    if (!ok) return -1;
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch_cost <program.exe> [<runs>]\n");
        return 2;
    }
    const int runs = argc > 2 ? _wtoi(argv[2]) : 11;
    const struct {
        const char* name;
        DWORD flags;
    } choices[] = {{"CREATE_NEW_CONSOLE", CREATE_NEW_CONSOLE},
                   {"CREATE_NO_WINDOW", CREATE_NO_WINDOW},
                   {"DETACHED_PROCESS", DETACHED_PROCESS}};
    for (const auto& choice : choices) {
        double total = 0;
        for (int i = 0; i < runs; ++i) {
            double ms = RunOnce(argv[1], choice.flags);
            if (ms < 0) {
                std::fprintf(stderr, "launch_cost: cannot start the program\n");
                return 1;
            }
            total += ms;
        }
        std::printf("%-18s %7.1f ms a launch (%d runs)\n", choice.name, total / runs, runs);
    }
    return 0;
}
