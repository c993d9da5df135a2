#include "framework/win/PropertyQuery.h"

#include "framework/core/Component.h"

namespace tw {

bool ReadPropertyText(TComponent& root, const std::wstring& path, std::wstring& value) {
    std::string text = Utf8FromWide(path);
    size_t dot = text.find('.');
    TComponent* target = &root;
    std::string property = text;
    if (dot != std::string::npos) {
        target = root.FindComponent(text.substr(0, dot));
        property = text.substr(dot + 1);
    }
    if (!target) return false;
    const TPropInfo* info = target->ClassInfo().FindProp(property);
    if (!info) return false;
    switch (info->Kind) {
        case TTypeKind::tkInteger:
            value = std::to_wstring(GetOrdProp(target, property));
            return true;
        case TTypeKind::tkEnumeration:
            value = WideFromUtf8(GetEnumProp(target, property));
            return true;
        case TTypeKind::tkString:
        case TTypeKind::tkWString:
            value = GetWideTextProp(target, property);
            return true;
        case TTypeKind::tkClass:
            return false;
    }
    return false;
}

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
