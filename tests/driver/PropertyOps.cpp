#include "tests/driver/PropertyOps.h"

#include "framework/win/Handles.h"
#include "framework/win/PropertyQuery.h"
#include "tests/driver/DriverError.h"

namespace tw::driver {

namespace {

struct TAnswer {
    bool received = false;
    std::wstring text;
};

LRESULT CALLBACK AnswerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* answer = reinterpret_cast<TAnswer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        if (answer && data && data->dwData == kPropertyAnswerTag) {
            answer->text.assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
            answer->received = true;
            return TRUE;
        }
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace

std::wstring QueryProperty(HWND form, const std::wstring& path, unsigned timeoutMs) {
    static const ATOM cls = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = AnswerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TwDriverAnswer";
        return RegisterClassExW(&wc);
    }();
    (void)cls;
    TWindowHandle receiver(CreateWindowExW(0, L"TwDriverAnswer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
    if (!receiver) Fail(L"cannot make a window for the answer");
    TAnswer answer;
    SetWindowLongPtrW(receiver.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&answer));
    std::wstring query = path;
    COPYDATASTRUCT data{kPropertyQueryTag, static_cast<DWORD>(query.size() * sizeof(wchar_t)), query.data()};
    DWORD_PTR result = 0;
    // The form answers by sending to our window while this call waits; that message is
    // delivered inside the wait.
    LRESULT sent = SendMessageTimeoutW(form, WM_COPYDATA, reinterpret_cast<WPARAM>(receiver.Get()),
                                       reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeoutMs, &result);
    receiver.Reset();
    if (!sent) Fail(L"the window did not answer the property query for " + path);
    if (!answer.received) Fail(L"the window knows no property " + path);
    return answer.text;
}

}  // namespace tw::driver
