#include "framework/win/Dialogs.h"

#include <commdlg.h>

#include <vector>

namespace tw {

const TClassInfo& TOpenDialog::StaticClassInfo() {
    static const TClassInfo info{"TOpenDialog", &TComponent::StaticClassInfo(), {}};
    return info;
}

std::wstring SystemFilterText(const std::wstring& filter) {
    std::wstring text = filter;
    for (wchar_t& c : text)
        if (c == L'|') c = L'\0';
    text.push_back(L'\0');
    text.push_back(L'\0');
    return text;
}

bool TOpenDialog::Execute(HWND owner) {
    // Long paths are allowed; the buffer grows past MAX_PATH for them.
    std::vector<wchar_t> buffer(32768, L'\0');
    fileName_.copy(buffer.data(), std::min(fileName_.size(), buffer.size() - 1));
    std::wstring filter = SystemFilterText(filter_);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameW(&ofn)) return false;
    fileName_ = buffer.data();
    filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace tw
