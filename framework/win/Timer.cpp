#include "framework/win/Timer.h"

#include "framework/win/Forms.h"

namespace tw {

namespace {
constexpr wchar_t kTimerClass[] = L"TTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo info{
        "TTimer",
        &TComponent::StaticClassInfo(),
        {
            IntProp<TTimer>(
                "Interval", [](const TTimer& t) { return t.Interval(); },
                [](TTimer& t, int64_t v) { t.SetInterval(static_cast<unsigned>(v)); }),
            BoolProp<TTimer>(
                "Enabled", [](const TTimer& t) { return t.Enabled(); }, [](TTimer& t, bool v) { t.SetEnabled(v); }),
        }};
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    static const ATOM registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = TimerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kTimerClass;
        return RegisterClassExW(&wc);
    }();
    (void)registered;
    window_.Reset(
        CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Update();
}

TTimer::~TTimer() {
    if (window_) KillTimer(window_.Get(), kTimerId);
    window_.Reset();  // while the rest of the timer is still whole
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Update();
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Update();
}

void TTimer::Update() {
    KillTimer(window_.Get(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_.Get(), kTimerId, interval_, nullptr);
}

LRESULT CALLBACK TTimer::TimerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        if (timer && timer->enabled_ && timer->OnTimer) GuardCallback([timer] { timer->OnTimer(timer); });
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace tw
