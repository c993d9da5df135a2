// TTimer: a window timer whose ticks arrive through the creating thread's message queue.
#pragma once

#include <windows.h>

#include "framework/win/Control.h"
#include "framework/win/Handles.h"

namespace tw {

class TTimer : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    TNotifyEvent OnTimer;

private:
    static LRESULT CALLBACK TimerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Update();

    unsigned interval_ = 1000;
    bool enabled_ = true;
    TWindowHandle window_;
};

}  // namespace tw
