#include "framework/win/TabControls.h"

#include <commctrl.h>

#include <algorithm>

namespace tw {

// ---------------------------------------------------------------- TCustomTabControl

const TClassInfo& TCustomTabControl::StaticClassInfo() {
    static const TClassInfo info{
        "TCustomTabControl",
        &TWinControl::StaticClassInfo(),
        {
            EnumProp<TCustomTabControl>(
                "TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                [](const TCustomTabControl& c) { return static_cast<int>(c.TabPosition()); },
                [](TCustomTabControl& c, int64_t v) { c.SetTabPosition(static_cast<TTabPosition>(v)); }),
            EnumProp<TCustomTabControl>(
                "Style", {"tsTabs", "tsButtons", "tsFlatButtons"},
                [](const TCustomTabControl& c) { return static_cast<int>(c.Style()); },
                [](TCustomTabControl& c, int64_t v) { c.SetStyle(static_cast<TTabStyle>(v)); }),
            IntProp<TCustomTabControl>(
                "TabIndex", [](const TCustomTabControl& c) { return c.TabIndex(); },
                [](TCustomTabControl& c, int64_t v) { c.SetTabIndex(static_cast<int>(v)); }),
            IntProp<TCustomTabControl>(
                "TabWidth", [](const TCustomTabControl& c) { return c.TabWidth(); },
                [](TCustomTabControl& c, int64_t v) { c.SetTabWidth(static_cast<int>(v)); }),
            IntProp<TCustomTabControl>(
                "TabCount", [](const TCustomTabControl& c) { return c.TabCount(); },
                [](TCustomTabControl&, int64_t) {}),
        }};
    return info;
}

const TClassInfo& TTabControl::StaticClassInfo() {
    static const TClassInfo info{"TTabControl", &TCustomTabControl::StaticClassInfo(), {}};
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TCustomTabControl::SetTabPosition(TTabPosition value) {
    if (value == tabPosition_) return;
    tabPosition_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle value) {
    if (value == style_) return;
    style_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetTabWidth(int value) {
    tabWidth_ = std::max(0, value);
    if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetTabIndex(int index) {
    if (index < -1 || index >= TabCount()) return;
    if (index == tabIndex_) return;
    tabIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    Change();
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

void TCustomTabControl::SetTabTexts(std::vector<std::wstring> tabs) {
    tabs_ = std::move(tabs);
    if (tabIndex_ >= TabCount()) tabIndex_ = TabCount() - 1;
    if (tabIndex_ < 0 && !tabs_.empty()) tabIndex_ = 0;
    if (HandleAllocated()) InsertItems();
}

RECT TCustomTabControl::DisplayRect() {
    RECT r{0, 0, width_, height_};
    if (HandleAllocated()) {
        GetClientRect(Handle(), &r);
        SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    }
    return r;
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_TABCONTROLW;
    params.Style |= WS_CLIPCHILDREN | TCS_FOCUSONBUTTONDOWN;
    switch (tabPosition_) {
        case TTabPosition::tpTop:
            break;
        case TTabPosition::tpBottom:
            params.Style |= TCS_BOTTOM;
            break;
        case TTabPosition::tpLeft:
            params.Style |= TCS_VERTICAL | TCS_MULTILINE;
            break;
        case TTabPosition::tpRight:
            params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
            break;
    }
    if (tabWidth_ > 0) params.Style |= TCS_FIXEDWIDTH;
    if (style_ != TTabStyle::tsTabs) params.Style |= TCS_BUTTONS;
    if (style_ == TTabStyle::tsFlatButtons) params.Style |= TCS_FLATBUTTONS;
}

void TCustomTabControl::HandleCreated() {
    TWinControl::HandleCreated();
    if (tabWidth_ > 0) SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, 20));
    InsertItems();
}

void TCustomTabControl::InsertItems() {
    SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < tabs_.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(tabs_[i].c_str());
        SendMessageW(Handle(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    if (tabIndex_ >= 0) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TCustomTabControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(message.LParam);
            if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
                tabIndex_ = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
                Change();
            }
            break;
        }
        case WM_GETDLGCODE:
            // Ctrl+Tab moves between the tabs instead of leaving the control.
            TWinControl::WndProc(message);
            if (GetKeyState(VK_CONTROL) < 0) message.Result |= DLGC_WANTTAB;
            return;
        case WM_KEYDOWN:
            if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
                if (TabCount() > 0) {
                    const int step = GetKeyState(VK_SHIFT) < 0 ? TabCount() - 1 : 1;
                    SetTabIndex((std::max(0, tabIndex_) + step) % TabCount());
                }
                return;
            }
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TTabSheet

const TClassInfo& TTabSheet::StaticClassInfo() {
    static const TClassInfo info{"TTabSheet", &TCustomControl::StaticClassInfo(), {}};
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = control;
    if (control) {
        SetVisible(false);
        SetParent(control);
        control->InsertPage(this);
    }
}

void TTabSheet::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(color_)));
    FillRect(dc, &r, brush.Get());
}

void TTabSheet::TextChanged() {
    TCustomControl::TextChanged();
    if (pageControl_) pageControl_->PageCaptionChanged();
}

// ---------------------------------------------------------------- TPageControl

const TClassInfo& TPageControl::StaticClassInfo() {
    static const TClassInfo info{
        "TPageControl",
        &TCustomTabControl::StaticClassInfo(),
        {
            IntProp<TPageControl>(
                "ActivePageIndex", [](const TPageControl& c) { return c.TabIndex(); },
                [](TPageControl& c, int64_t v) { c.SetTabIndex(static_cast<int>(v)); }),
            IntProp<TPageControl>(
                "PageCount", [](const TPageControl& c) { return c.PageCount(); }, [](TPageControl&, int64_t) {}),
        }};
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    for (TTabSheet* page : std::vector<TTabSheet*>(pages_)) page->pageControl_ = nullptr;
    pages_.clear();
}

TTabSheet* TPageControl::Pages(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it != pages_.end()) SetTabIndex(static_cast<int>(it - pages_.begin()));
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    PageCaptionChanged();
    PlacePages();
    Change();
}

void TPageControl::RemovePage(TTabSheet* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (IsDestroying()) return;
    PageCaptionChanged();
    Change();
}

void TPageControl::PageCaptionChanged() {
    std::vector<std::wstring> tabs;
    for (TTabSheet* page : pages_) tabs.push_back(page->Caption());
    SetTabTexts(std::move(tabs));
}

void TPageControl::Change() {
    for (int i = 0; i < PageCount(); ++i) pages_[static_cast<size_t>(i)]->SetVisible(i == TabIndex());
    TCustomTabControl::Change();
}

void TPageControl::PlacePages() {
    if (!HandleAllocated()) return;
    const RECT r = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::HandleCreated() {
    TCustomTabControl::HandleCreated();
    PlacePages();
}

void TPageControl::WndProc(TMessage& message) {
    TCustomTabControl::WndProc(message);
    if (message.Msg == WM_SIZE) PlacePages();
}

}  // namespace tw
