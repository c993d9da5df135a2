#include "tests/driver/WindowTerms.h"

#include <climits>

#include "tests/driver/DriverArgs.h"

namespace tw::driver {

std::wstring HitTestName(long long code) {
    // The system's hit-test codes run from -2 to 21 without gaps.
    static const wchar_t* const kNames[] = {
        L"HTERROR",      L"HTTRANSPARENT", L"HTNOWHERE", L"HTCLIENT",  L"HTCAPTION",   L"HTSYSMENU",
        L"HTGROWBOX",    L"HTMENU",        L"HTHSCROLL", L"HTVSCROLL", L"HTMINBUTTON", L"HTMAXBUTTON",
        L"HTLEFT",       L"HTRIGHT",       L"HTTOP",     L"HTTOPLEFT", L"HTTOPRIGHT",  L"HTBOTTOM",
        L"HTBOTTOMLEFT", L"HTBOTTOMRIGHT", L"HTBORDER",  L"HTOBJECT",  L"HTCLOSE",     L"HTHELP"};
    const long long first = -2;
    const long long count = static_cast<long long>(sizeof(kNames) / sizeof(kNames[0]));
    if (code >= first && code < first + count) return kNames[code - first];
    return L"HT?" + std::to_wstring(code);
}

bool ParseSigned(const std::wstring& text, long long& value) {
    const bool negative = !text.empty() && text[0] == L'-';
    unsigned long long magnitude = 0;
    if (!ParseNumber(negative ? text.substr(1) : text, magnitude)) return false;
    if (negative) {
        if (text.size() > 2 && (text[2] == L'x' || text[2] == L'X')) return false;  // "-0x.." means nothing
        if (magnitude > static_cast<unsigned long long>(LLONG_MAX) + 1) return false;
        value = magnitude == static_cast<unsigned long long>(LLONG_MAX) + 1 ? LLONG_MIN
                                                                            : -static_cast<long long>(magnitude);
        return true;
    }
    const bool hex = text.size() > 2 && (text[1] == L'x' || text[1] == L'X');
    if (!hex && magnitude > static_cast<unsigned long long>(LLONG_MAX)) return false;
    value = static_cast<long long>(magnitude);
    return true;
}

bool ParsePoint(const std::wstring& text, int& x, int& y) {
    const size_t comma = text.find(L',');
    if (comma == std::wstring::npos) return false;
    long long px = 0, py = 0;
    if (!ParseSigned(text.substr(0, comma), px) || !ParseSigned(text.substr(comma + 1), py)) return false;
    if (px < INT_MIN || px > INT_MAX || py < INT_MIN || py > INT_MAX) return false;
    x = static_cast<int>(px);
    y = static_cast<int>(py);
    return true;
}

}  // namespace tw::driver
