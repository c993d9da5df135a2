// TMessageBoxWatch: answers the message boxes this process shows while it lives, from a thread
// of its own, and keeps their texts, so a test can see the error box a handler showed without
// anyone at the screen.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tw::test {

class TMessageBoxWatch {
public:
    TMessageBoxWatch();
    ~TMessageBoxWatch();
    TMessageBoxWatch(const TMessageBoxWatch&) = delete;
    TMessageBoxWatch& operator=(const TMessageBoxWatch&) = delete;

    // One entry per box closed so far: its caption, a line break, then its message text.
    std::vector<std::wstring> Boxes() const;

private:
    void Watch();
    void Answer(HWND box);

    mutable std::mutex mutex_;
    std::vector<std::wstring> boxes_;
    std::vector<HWND> answered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tw::test
