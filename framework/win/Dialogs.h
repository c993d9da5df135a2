// TOpenDialog: the system's file-open dialog as a component.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/Component.h"

namespace tw {

class TOpenDialog : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    // name|pattern pairs separated by '|', as the filter is stored.
    const std::wstring& Filter() const { return filter_; }
    void SetFilter(const std::wstring& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::wstring& FileName() const { return fileName_; }
    void SetFileName(const std::wstring& name) { fileName_ = name; }
    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title) { title_ = title; }

    // Shows the dialog; true when the user chose a file (FileName then holds its full path).
    bool Execute(HWND owner);

private:
    std::wstring filter_;
    int filterIndex_ = 1;
    std::wstring fileName_;
    std::wstring title_;
};

// The filter text as the system wants it: '|' separators become NULs, ending in two NULs.
std::wstring SystemFilterText(const std::wstring& filter);

}  // namespace tw
