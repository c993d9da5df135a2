// TProcessTimer: the runner's one-second age timer, ticking through the UI thread's queue.
#pragma once

#include <windows.h>

#include <atomic>

#include "framework/core/Component.h"
#include "framework/win/Handles.h"

namespace tw {

// A window timer on a hidden message-only window of the thread that creates it; create,
// Start and destroy it on that thread. The counters and the enabled state are atomics because
// the reader thread resets and compares the counters and clears the enabled state.
class TProcessTimer : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TProcessTimer(TComponent* owner);
    ~TProcessTimer() override;

    // Counters to 0, interval 1000 ms, enabled.
    void Start();

    bool Enabled() const { return enabled_.load(); }
    // Any thread may disable; the window timer itself is removed on its next tick.
    void Disable() { enabled_.store(false); }

    std::atomic<int> SecondsSinceStart{0};
    std::atomic<int> SecondsSinceOutput{0};

    // Set by every tick that counts (auto reset), so that a reader with a time limit wakes to
    // compare the counters when they change, not on a beat of its own. Null if it could not be made.
    HANDLE TickEvent() const { return tickEvent_.Get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Tick() noexcept;  // counts only: nothing in it can throw out of the window procedure

    TWindowHandle window_;
    THandle tickEvent_;
    bool timerSet_ = false;
    std::atomic<bool> enabled_{false};
};

}  // namespace tw
