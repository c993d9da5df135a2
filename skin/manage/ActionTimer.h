// TActionTimer: the skin manager's delayed-action timer. A window timer on Windows; tests and
// builds without a desktop use a manual one that fires when told to.
#pragma once

#include <functional>
#include <memory>

namespace tw {

class TActionTimer {
public:
    virtual ~TActionTimer() = default;
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    // Changing either restarts the countdown while enabled.
    void SetInterval(int ms) {
        interval_ = ms;
        Restart();
    }
    void SetEnabled(bool value) {
        enabled_ = value;
        Restart();
    }
    std::function<void()> OnTimer;

protected:
    virtual void Restart() {}
    // Called by the platform part when the interval has passed.
    void Tick() {
        if (enabled_ && OnTimer) OnTimer();
    }

private:
    int interval_ = 100;
    bool enabled_ = false;
};

// A timer that never fires by itself: Fire() runs the tick while it is enabled.
class TManualTimer : public TActionTimer {
public:
    void Fire() { Tick(); }
    int Restarts() const { return restarts_; }

protected:
    void Restart() override { ++restarts_; }

private:
    int restarts_ = 0;
};

using TActionTimerFactory = std::function<std::unique_ptr<TActionTimer>()>;

// The platform's timer (a window timer on Windows, a manual timer elsewhere).
std::unique_ptr<TActionTimer> CreatePlatformTimer();

}  // namespace tw
