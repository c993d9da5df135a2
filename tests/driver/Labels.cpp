#include "tests/driver/Labels.h"

#include <cwctype>

namespace tw::driver {

namespace {

wchar_t Fold(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c))); }

std::wstring FoldAll(std::wstring s) {
    for (auto& c : s) {
        c = Fold(c);
    }
    return s;
}

}  // namespace

std::wstring StripAccelerators(const std::wstring& text) {
    std::wstring r;
    r.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                r += L'&';
                ++i;
            }
            continue;
        }
        r += text[i];
    }
    return r;
}

bool SameLabel(const std::wstring& a, const std::wstring& b) { return FoldAll(a) == FoldAll(b); }

bool ContainsLabel(const std::wstring& haystack, const std::wstring& needle) {
    return FoldAll(haystack).find(FoldAll(needle)) != std::wstring::npos;
}

bool ControlTextMatches(const std::wstring& controlText, const std::wstring& wanted) {
    return SameLabel(controlText, wanted) || SameLabel(StripAccelerators(controlText), wanted);
}

std::vector<std::wstring> SplitFolderPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring cur;
    for (wchar_t c : path) {
        if (c == L'\\' || c == L'/') {
            if (!cur.empty()) {
                parts.push_back(cur);
            }
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) {
        parts.push_back(cur);
    }
    return parts;
}

bool IsDriveLabel(const std::wstring& label, const std::wstring& drive) {
    if (drive.size() != 2 || drive[1] != L':') {
        return false;
    }
    return SameLabel(label, drive) || ContainsLabel(label, L"(" + drive + L")") || SameLabel(label, drive + L"\\");
}

std::wstring EscapeText(const std::wstring& text) {
    std::wstring r;
    r.reserve(text.size() + 2);
    for (wchar_t c : text) {
        switch (c) {
            case L'\\':
                r += L"\\\\";
                break;
            case L'"':
                r += L"\\\"";
                break;
            case L'\r':
                r += L"\\r";
                break;
            case L'\n':
                r += L"\\n";
                break;
            case L'\t':
                r += L"\\t";
                break;
            default:
                r += c;
        }
    }
    return r;
}

}  // namespace tw::driver
