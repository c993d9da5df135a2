// Helpers for the runner tests under Windows: the test child's path, message pumping, event capture.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "process/DosCommand.h"

namespace tw::test {

// The test child is built next to the test programs.
inline std::wstring ChildPath() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring dir(path, n);
    dir.resize(dir.find_last_of(L"\\/") + 1);
    return dir + L"tw_test_child.exe";
}

inline std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

inline std::wstring ChildCommand(const std::wstring& args) { return Quoted(ChildPath()) + L" " + args; }

// Dispatches this thread's messages (the runner's timer ticks) until done() or the timeout.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

inline bool WaitWhileRunning(TDosCommand& dos, int timeoutMs) {
    return PumpUntil([&] { return !dos.IsRunning(); }, timeoutMs);
}

// Records the events of a runner; they arrive on the reader thread.
struct TEventLog {
    mutable std::mutex lock;
    std::vector<std::pair<std::string, TOutputType>> events;
    int terminated = 0;

    void Attach(TDosCommand& dos) {
        dos.OnNewLine = [this](TObject*, const std::string& line, TOutputType type) {
            std::lock_guard<std::mutex> g(lock);
            events.emplace_back(line, type);
        };
        dos.OnTerminated = [this](TObject*) {
            std::lock_guard<std::mutex> g(lock);
            ++terminated;
        };
    }
    int Terminated() const {
        std::lock_guard<std::mutex> g(lock);
        return terminated;
    }
    std::vector<std::pair<std::string, TOutputType>> Events() const {
        std::lock_guard<std::mutex> g(lock);
        return events;
    }
};

// The pid the child wrote as its first line ("pid=N"), or 0.
inline DWORD PidFromLines(const TStringList& lines) {
    for (int i = 0; i < lines.Count(); ++i)
        if (lines[i].rfind("pid=", 0) == 0) return static_cast<DWORD>(std::stoul(lines[i].substr(4)));
    return 0;
}

}  // namespace tw::test
