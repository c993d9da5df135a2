#include "framework/win/PropertyQuery.h"

namespace tw {

bool AnswerPropertyQuery(TComponent& root, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kPropertyQueryTag) return false;
    std::wstring path(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
    std::wstring value;
    result = FALSE;
    HWND asker = reinterpret_cast<HWND>(wParam);
    if (!ReadPropertyText(root, path, value) || !IsWindow(asker)) return true;
    COPYDATASTRUCT answer{kPropertyAnswerTag, static_cast<DWORD>(value.size() * sizeof(wchar_t)),
                          const_cast<wchar_t*>(value.data())};
    SendMessageTimeoutW(asker, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&answer), SMTO_ABORTIFHUNG, 5000, nullptr);
    result = TRUE;
    return true;
}

}  // namespace tw
