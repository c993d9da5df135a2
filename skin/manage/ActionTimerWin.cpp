// The manager's timer as a window timer of the GUI thread.
#include <windows.h>

#include <map>

#include "skin/manage/ActionTimer.h"

namespace tw {

namespace {

class TWindowTimer;

// Never destroyed: a timer that stops during static destruction still finds it.
std::map<UINT_PTR, TWindowTimer*>& Timers() {
    static auto* timers = new std::map<UINT_PTR, TWindowTimer*>;
    return *timers;
}

class TWindowTimer : public TActionTimer {
public:
    ~TWindowTimer() override { Stop(); }

    static void CALLBACK Proc(HWND, UINT, UINT_PTR id, DWORD) {
        auto it = Timers().find(id);
        if (it == Timers().end()) return;
        // No exception may leave a timer procedure.
        try {
            it->second->Tick();
        } catch (...) {
        }
    }

protected:
    void Restart() override {
        Stop();
        if (!Enabled() || Interval() <= 0) return;
        id_ = SetTimer(nullptr, 0, static_cast<UINT>(Interval()), &TWindowTimer::Proc);
        if (id_) Timers()[id_] = this;
    }

private:
    void Stop() {
        if (!id_) return;
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }

    UINT_PTR id_ = 0;
};

}  // namespace

std::unique_ptr<TActionTimer> CreatePlatformTimer() { return std::make_unique<TWindowTimer>(); }

}  // namespace tw
