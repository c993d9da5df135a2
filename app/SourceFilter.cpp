#include "app/SourceFilter.h"

#include <algorithm>

#include "app/ConvertRules.h"

namespace tw {

namespace {

std::wstring UpperAscii(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return text;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

const wchar_t kSourceFilter[] =
    L"Support Files|*.RM;*.RMVB;*.AVI;*.MPG;*.MPEG;*.WMV;*.ASF*.3PG;*.MP4;*.AVS;*.VOB;*.DAT;*.MOV;*.QT|"
    L"RM Files|*.RM;*.RMVB|AVI Files|*.AVI|MPEG Files|*.MPG;*.MPEG|WMV Files|*.WMV;*.ASF|"
    L"Portable device Files|*.3PG;*.MP4;*.AVS|DVD VCD Files|*.VOB;*.DAT|Quick Time Files|*.MOV;*.QT|"
    L"All Files|*.*";

std::vector<std::wstring> FilterExtensions(const std::wstring& filter) {
    std::vector<std::wstring> extensions;
    const std::vector<std::wstring> parts = Split(filter, L'|');
    // Names and pattern lists alternate; the patterns are every second part.
    for (size_t i = 1; i < parts.size(); i += 2) {
        for (const std::wstring& pattern : Split(parts[i], L';')) {
            if (pattern.size() < 3 || pattern.compare(0, 2, L"*.") != 0) continue;
            std::wstring extension = UpperAscii(pattern.substr(2));
            if (extension.find_first_of(L"*?.") != std::wstring::npos) continue;
            if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
                extensions.push_back(std::move(extension));
        }
    }
    return extensions;
}

bool HasListedExtension(const std::wstring& path, const std::vector<std::wstring>& extensions) {
    const std::wstring name = FileNamePart(path);
    const size_t dot = name.find_last_of(L'.');
    if (dot == std::wstring::npos || dot + 1 == name.size()) return false;
    const std::wstring extension = UpperAscii(name.substr(dot + 1));
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

}  // namespace tw
