#include "framework/win/ComCtrls.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace tw {

// ---------------------------------------------------------------- TListView

const TClassInfo& TCustomListView::StaticClassInfo() {
    static const TClassInfo info{
        "TCustomListView",
        &TWinControl::StaticClassInfo(),
        {
            BoolProp<TCustomListView>(
                "OwnerData", [](const TCustomListView& c) { return c.OwnerData(); },
                [](TCustomListView& c, bool v) { c.SetOwnerData(v); }),
            BoolProp<TCustomListView>(
                "GridLines", [](const TCustomListView& c) { return c.GridLines(); },
                [](TCustomListView& c, bool v) { c.SetGridLines(v); }),
            BoolProp<TCustomListView>(
                "RowSelect", [](const TCustomListView& c) { return c.RowSelect(); },
                [](TCustomListView& c, bool v) { c.SetRowSelect(v); }),
            BoolProp<TCustomListView>(
                "ReadOnly", [](const TCustomListView& c) { return c.ReadOnly(); },
                [](TCustomListView& c, bool v) { c.SetReadOnly(v); }),
            EnumProp<TCustomListView>(
                "BorderStyle", {"bsNone", "bsSingle"},
                [](const TCustomListView& c) { return static_cast<int>(c.BorderStyle()); },
                [](TCustomListView& c, int64_t v) { c.SetBorderStyle(static_cast<TBorderStyle>(v)); }),
            EnumProp<TCustomListView>(
                "ViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"},
                [](const TCustomListView& c) { return static_cast<int>(c.ViewStyle()); },
                [](TCustomListView& c, int64_t v) { c.SetViewStyle(static_cast<TViewStyle>(v)); }),
        }};
    return info;
}

const TClassInfo& TListView::StaticClassInfo() {
    static const TClassInfo info{"TListView", &TCustomListView::StaticClassInfo(), {}};
    return info;
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    color_ = clWindow;
}

void TCustomListView::SetColumns(std::vector<TListColumn> columns) {
    columns_ = std::move(columns);
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetAcceptFiles(bool value) {
    acceptFiles_ = value;
    if (HandleAllocated()) DragAcceptFiles(Handle(), value);
}

void TCustomListView::SetItemCount(int count) {
    itemCount_ = std::max(0, count);
    if (HandleAllocated()) SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(itemCount_), 0);
}

int TCustomListView::SelectedIndex() const {
    if (!HandleAllocated()) return -1;
    HWND wnd = const_cast<TCustomListView*>(this)->Handle();
    return static_cast<int>(SendMessageW(wnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetSelectedIndex(int index) {
    if (!HandleAllocated()) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (index < 0) return;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomListView::ClearItems() {
    itemCount_ = 0;
    if (HandleAllocated()) SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

void TCustomListView::Repaint() {
    if (HandleAllocated()) {
        InvalidateRect(Handle(), nullptr, TRUE);
        UpdateWindow(Handle());
    }
}

void TCustomListView::RepaintRow(int index) {
    if (HandleAllocated() && index >= 0 && index < itemCount_) SendMessageW(Handle(), LVM_REDRAWITEMS, index, index);
}

void TCustomListView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_LISTVIEWW;
    params.Style |= LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
    switch (viewStyle_) {
        case TViewStyle::vsIcon:
            params.Style |= LVS_ICON;
            break;
        case TViewStyle::vsSmallIcon:
            params.Style |= LVS_SMALLICON;
            break;
        case TViewStyle::vsList:
            params.Style |= LVS_LIST;
            break;
        case TViewStyle::vsReport:
            params.Style |= LVS_REPORT;
            break;
    }
    if (ownerData_) params.Style |= LVS_OWNERDATA;
    if (!readOnly_) params.Style |= LVS_EDITLABELS;
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::HandleCreated() {
    TWinControl::HandleCreated();
    DWORD ex = 0;
    if (gridLines_) ex |= LVS_EX_GRIDLINES;
    if (rowSelect_) ex |= LVS_EX_FULLROWSELECT;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    SendMessageW(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color_)));
    SendMessageW(Handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color_)));
    InsertColumns();
    SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(itemCount_), 0);
    if (acceptFiles_) DragAcceptFiles(Handle(), TRUE);
}

void TCustomListView::InsertColumns() {
    for (size_t i = 0; i < columns_.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns_[i].Caption.c_str());
        column.cx = columns_[i].Width;
        column.iSubItem = static_cast<int>(i);
        SendMessageW(Handle(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    FitAutoSizeColumn();
}

void TCustomListView::FitAutoSizeColumn() {
    RECT client;
    GetClientRect(Handle(), &client);
    int fixed = 0;
    for (const auto& c : columns_)
        if (!c.AutoSize) fixed += c.Width;
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].AutoSize)
            SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, i, std::max(16, static_cast<int>(client.right) - fixed));
}

void TCustomListView::FillDisplayInfo(NMLVDISPINFOW& info) {
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
    info.item.pszText[0] = L'\0';
    if (!OnData || info.item.iItem < 0 || info.item.iItem >= itemCount_) return;
    scratch_ = TListItem{info.item.iItem, {}, {}};
    OnData(this, scratch_);
    const std::wstring* text = nullptr;
    if (info.item.iSubItem == 0) text = &scratch_.Caption;
    else if (static_cast<size_t>(info.item.iSubItem) <= scratch_.SubItems.size())
        text = &scratch_.SubItems[static_cast<size_t>(info.item.iSubItem - 1)];
    if (text) lstrcpynW(info.item.pszText, text->c_str(), info.item.cchTextMax);
}

void TCustomListView::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(message.LParam);
            if (header->code == LVN_GETDISPINFOW) {
                FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(message.LParam));
                return;
            }
            if (header->code == NM_DBLCLK) {
                const int index = reinterpret_cast<NMITEMACTIVATE*>(message.LParam)->iItem;
                if (OnDblClick && index >= 0 && index < itemCount_) OnDblClick(this, index);
            }
            break;
        }
        case WM_SIZE:
            TWinControl::WndProc(message);
            FitAutoSizeColumn();
            return;
        case WM_DROPFILES: {
            auto drop = reinterpret_cast<HDROP>(message.WParam);
            std::vector<std::wstring> files;
            UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                UINT length = DragQueryFileW(drop, i, nullptr, 0);
                std::wstring path(length + 1, L'\0');
                DragQueryFileW(drop, i, path.data(), length + 1);
                path.resize(length);
                files.push_back(std::move(path));
            }
            DragFinish(drop);
            if (OnDropFiles && !files.empty()) OnDropFiles(this, files);
            return;
        }
        default:
            break;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TProgressBar

const TClassInfo& TProgressBar::StaticClassInfo() {
    static const TClassInfo info{"TProgressBar",
                                 &TWinControl::StaticClassInfo(),
                                 {
                                     IntProp<TProgressBar>(
                                         "Min", [](const TProgressBar& c) { return c.Min(); },
                                         [](TProgressBar& c, int64_t v) { c.SetMin(static_cast<int>(v)); }),
                                     IntProp<TProgressBar>(
                                         "Max", [](const TProgressBar& c) { return c.Max(); },
                                         [](TProgressBar& c, int64_t v) { c.SetMax(static_cast<int>(v)); }),
                                     IntProp<TProgressBar>(
                                         "Position", [](const TProgressBar& c) { return c.Position(); },
                                         [](TProgressBar& c, int64_t v) { c.SetPosition(static_cast<int>(v)); }),
                                 }};
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {}

void TProgressBar::SetMin(int value) {
    min_ = value;
    if (max_ < min_) max_ = min_;
    SendRange();
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    if (min_ > max_) min_ = max_;
    SendRange();
}

void TProgressBar::SetPosition(int value) {
    const int position = std::clamp(value, min_, max_);
    if (position == position_) return;  // the control already shows it
    position_ = position;
    if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SendRange() {
    position_ = std::clamp(position_, min_, max_);
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = PROGRESS_CLASSW;
}

void TProgressBar::HandleCreated() {
    TWinControl::HandleCreated();
    SendRange();
}

}  // namespace tw
