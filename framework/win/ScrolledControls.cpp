#include "framework/win/ScrolledControls.h"

#include <algorithm>

namespace tw {

namespace {

const std::vector<std::string> kScrollStyleNames = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

}  // namespace

DWORD ScrollStyleBits(TScrollStyle style) {
    switch (style) {
        case TScrollStyle::ssHorizontal:
            return WS_HSCROLL;
        case TScrollStyle::ssVertical:
            return WS_VSCROLL;
        case TScrollStyle::ssBoth:
            return WS_HSCROLL | WS_VSCROLL;
        default:
            return 0;
    }
}

// ---------------------------------------------------------------- memo

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo info{
        "TMemo",
        &TCustomEdit::StaticClassInfo(),
        {
            EnumProp<TMemo>(
                "ScrollBars", kScrollStyleNames, [](const TMemo& c) { return static_cast<int>(c.ScrollBars()); },
                [](TMemo& c, int64_t v) { c.SetScrollBars(static_cast<TScrollStyle>(v)); }),
            IntProp<TMemo>(
                "LineCount", [](const TMemo& c) { return static_cast<int>(c.Lines().size()); }, [](TMemo&, int64_t) {}),
        }};
    return info;
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (scrollBars_ == value) return;
    scrollBars_ = value;
    if (HandleAllocated()) RecreateWnd();
}

std::vector<std::wstring> TMemo::Lines() const {
    std::vector<std::wstring> lines;
    const std::wstring& text = Caption();
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void TMemo::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? L"\r\n" : L"") + lines[i];
    SetText(text);
}

void TMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ScrollStyleBits(scrollBars_);
}

// ---------------------------------------------------------------- list box

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo info{
        "TListBox",
        &TWinControl::StaticClassInfo(),
        {
            EnumProp<TListBox>(
                "ScrollBars", kScrollStyleNames, [](const TListBox& c) { return static_cast<int>(c.ScrollBars()); },
                [](TListBox& c, int64_t v) { c.SetScrollBars(static_cast<TScrollStyle>(v)); }),
            EnumProp<TListBox>(
                "BorderStyle", {"bsNone", "bsSingle"},
                [](const TListBox& c) { return static_cast<int>(c.BorderStyle()); },
                [](TListBox& c, int64_t v) { c.SetBorderStyle(static_cast<TBorderStyle>(v)); }),
            IntProp<TListBox>(
                "ItemIndex", [](const TListBox& c) { return c.ItemIndex(); },
                [](TListBox& c, int64_t v) { c.SetItemIndex(static_cast<int>(v)); }),
            IntProp<TListBox>(
                "Count", [](const TListBox& c) { return static_cast<int>(c.Items().size()); },
                [](TListBox&, int64_t) {}),
        }};
    return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    color_ = clWindow;
}

void TListBox::SetScrollBars(TScrollStyle value) {
    if (scrollBars_ == value) return;
    scrollBars_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TListBox::SetBorderStyle(TBorderStyle value) {
    if (borderStyle_ == value) return;
    borderStyle_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TListBox::SetItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    itemIndex_ = std::min(itemIndex_, static_cast<int>(items_.size()) - 1);
    if (HandleAllocated()) FillWindow();
}

int TListBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::FillWindow() {
    HWND h = Handle();
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    int widest = 0;
    const HDC dc = GetDC(h);
    const HGDIOBJ old = dc ? SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(h, WM_GETFONT, 0, 0))) : nullptr;
    for (const std::wstring& item : items_) {
        SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SIZE size{};
        if (dc && GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(item.size()), &size))
            widest = std::max(widest, static_cast<int>(size.cx) + 4);
    }
    if (dc) {
        if (old) SelectObject(dc, old);
        ReleaseDC(h, dc);
    }
    // A horizontal bar scrolls only as far as the widest item reaches.
    SendMessageW(h, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | ScrollStyleBits(scrollBars_);
    if (scrollBars_ != TScrollStyle::ssNone) params.Style |= LBS_DISABLENOSCROLL;
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::HandleCreated() {
    TWinControl::HandleCreated();
    FillWindow();
}

void TListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_DESTROY:
            itemIndex_ = ItemIndex();  // kept over a recreated window
            break;
        case CN_COMMAND:
            if (HIWORD(message.WParam) == LBN_SELCHANGE) {
                itemIndex_ = ItemIndex();
                Click();
                return;
            }
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

}  // namespace tw
