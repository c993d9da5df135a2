#include "process/ProcessTimer.h"

#include <mutex>

namespace tw {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kIntervalMs = 1000;  // the age counters count seconds
const wchar_t kWindowClass[] = L"TwProcessTimerWindow";

HINSTANCE ModuleInstance() {
    HMODULE module = nullptr;
    // The module this code lives in, so that the class also works from a DLL.
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
    return module;
}

}  // namespace

const TClassInfo& TProcessTimer::StaticClassInfo() {
    static const TClassInfo info{"TProcessTimer", &TComponent::StaticClassInfo(), {}};
    return info;
}

TProcessTimer::TProcessTimer(TComponent* owner)
    : TComponent(owner), tickEvent_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    static std::once_flag registered;
    std::call_once(registered, [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &TProcessTimer::WindowProc;
        wc.hInstance = ModuleInstance();
        wc.lpszClassName = kWindowClass;
        ::RegisterClassExW(&wc);
    });
    window_.Reset(
        ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), nullptr));
    if (window_) ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TProcessTimer::~TProcessTimer() {
    if (window_) {
        if (timerSet_) ::KillTimer(window_.Get(), kTimerId);
        ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
        window_.Reset();
    }
}

void TProcessTimer::Start() {
    SecondsSinceStart.store(0);
    SecondsSinceOutput.store(0);
    if (tickEvent_) ::ResetEvent(tickEvent_.Get());  // a tick of the last run says nothing of this one
    enabled_.store(true);
    // Setting the same id again restarts the period from now.
    if (window_) timerSet_ = ::SetTimer(window_.Get(), kTimerId, kIntervalMs, nullptr) != 0;
}

void TProcessTimer::Tick() noexcept {
    if (!enabled_.load()) {
        ::KillTimer(window_.Get(), kTimerId);
        timerSet_ = false;
        return;
    }
    ++SecondsSinceStart;
    ++SecondsSinceOutput;
    if (tickEvent_) ::SetEvent(tickEvent_.Get());
}

LRESULT CALLBACK TProcessTimer::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kTimerId) {
        auto* self = reinterpret_cast<TProcessTimer*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) self->Tick();
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace tw
