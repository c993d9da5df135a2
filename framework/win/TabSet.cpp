#include "framework/win/TabSet.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win/Handles.h"

namespace tw {

// ---------------------------------------------------------------- TTabScroller

const TClassInfo& TTabScroller::StaticClassInfo() {
    static const TClassInfo info{"TTabScroller", &TWinControl::StaticClassInfo(), {}};
    return info;
}

TTabScroller::TTabScroller(TComponent* owner, TTabSet& tabSet) : TWinControl(owner), tabSet_(tabSet) {
    SetVisible(false);
}

void TTabScroller::SetLastPosition(int last) {
    last_ = std::max(0, last);
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, 0, last_);
}

void TTabScroller::SetPosition(int position) {
    position_ = position;
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TTabScroller::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = UPDOWN_CLASSW;
    params.Style |= UDS_HORZ;
}

void TTabScroller::HandleCreated() {
    TWinControl::HandleCreated();
    SendMessageW(Handle(), UDM_SETRANGE32, 0, last_);
    SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TTabScroller::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL) {
        if (LOWORD(message.WParam) == SB_THUMBPOSITION) {
            position_ = static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
            tabSet_.SetFirstIndex(position_);
        }
        return;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TTabSet

const TClassInfo& TTabSet::StaticClassInfo() {
    static const TClassInfo info{
        "TTabSet",
        &TCustomControl::StaticClassInfo(),
        {
            IntProp<TTabSet>(
                "TabIndex", [](const TTabSet& c) { return c.TabIndex(); },
                [](TTabSet& c, int64_t v) { c.SetTabIndex(static_cast<int>(v)); }),
            IntProp<TTabSet>(
                "FirstIndex", [](const TTabSet& c) { return c.FirstIndex(); },
                [](TTabSet& c, int64_t v) { c.SetFirstIndex(static_cast<int>(v)); }),
            IntProp<TTabSet>(
                "TabCount", [](const TTabSet& c) { return c.TabCount(); }, [](TTabSet&, int64_t) {}),
            IntProp<TTabSet>(
                "StartMargin", [](const TTabSet& c) { return c.StartMargin(); }, [](TTabSet&, int64_t) {}),
            BoolProp<TTabSet>(
                "ArrowsShown", [](const TTabSet& c) { return c.ArrowsShown(); }, [](TTabSet&, bool) {}),
            StrProp<TTabSet>(
                "TabLayout", [](const TTabSet& c) { return const_cast<TTabSet&>(c).LayoutText(); },
                [](TTabSet&, const std::string&) {}),
        }};
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner) {
    // The arrows are the first component the tab set owns: its skinner looks for them there.
    scroller_ = new TTabScroller(this, *this);
    scroller_->SetParent(this);
    color_ = clBtnFace;
}

void TTabSet::SetTabs(std::vector<std::wstring> tabs) {
    tabs_ = std::move(tabs);
    if (tabIndex_ >= TabCount()) tabIndex_ = TabCount() - 1;
    if (tabIndex_ < 0 && !tabs_.empty()) tabIndex_ = 0;
    PlaceScroller();
    Invalidate();
}

void TTabSet::SetTabIndex(int index) {
    if (index < -1 || index >= TabCount() || index == tabIndex_) return;
    tabIndex_ = index;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TTabSet::SetFirstIndex(int index) {
    index = std::clamp(index, 0, TabSetLastFirstIndex(CaptionWidths(), Room()));
    if (index == firstIndex_) return;
    firstIndex_ = index;
    scroller_->SetPosition(index);
    PlaceScroller();
    Invalidate();
}

TTabSetRoom TTabSet::Room() const {
    TTabSetRoom room;
    room.Width = width_;
    room.StartMargin = startMargin_;
    room.EndMargin = endMargin_;
    room.ArrowsShown = arrowsShown_;
    return room;
}

std::vector<int> TTabSet::CaptionWidths() {
    std::vector<int> widths;
    const TWindowDC screen = ClientDC(nullptr);
    if (!screen) return std::vector<int>(tabs_.size(), 0);
    const TSelection font = Select(screen.Get(), font_.Handle());
    for (const std::wstring& text : tabs_) {
        SIZE extent{};
        GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
        widths.push_back(extent.cx);
    }
    return widths;
}

std::vector<TTabSetTab> TTabSet::Layout() { return LayTabSet(CaptionWidths(), firstIndex_, Room()); }

std::string TTabSet::LayoutText() {
    std::string text;
    for (const TTabSetTab& tab : Layout()) {
        if (!text.empty()) text += ' ';
        text += std::to_string(tab.Index) + ':' + std::to_string(tab.Left) + '-' + std::to_string(tab.Right);
    }
    return text;
}

void TTabSet::PlaceScroller() {
    const std::vector<int> widths = CaptionWidths();
    // Scrolling stops once the last tab shows whole; a wider strip may want fewer steps.
    const int last = TabSetLastFirstIndex(widths, Room());
    scroller_->SetLastPosition(last);
    if (firstIndex_ > last) {
        firstIndex_ = last;
        scroller_->SetPosition(last);
    }
    const bool needed = TabSetNeedsArrows(widths, firstIndex_, Room());
    arrowsShown_ = needed;
    scroller_->SetBounds(width_ - endMargin_ - kTabScrollerWidth, 1, kTabScrollerWidth, kTabScrollerHeight);
    scroller_->SetVisible(needed);
}

void TTabSet::BoundsChanged() {
    TCustomControl::BoundsChanged();
    if (scroller_) PlaceScroller();
}

void TTabSet::FontChanged() {
    TCustomControl::FontChanged();
    if (scroller_) PlaceScroller();
}

void TTabSet::Paint(HDC dc) {
    RECT all{0, 0, width_, height_};
    const TBrushHandle face(CreateSolidBrush(ColorToRGB(color_)));
    FillRect(dc, &all, face.Get());
    const TSelection font = Select(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    const TBrushHandle selected(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    const TPenHandle edge(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWFRAME)));
    const TSelection pen = Select(dc, edge.Get());
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, width_, 0);
    for (const TTabSetTab& tab : Layout()) {
        RECT r{tab.Left, 0, tab.Right, height_ - 2};
        if (tab.Index == tabIndex_) FillRect(dc, &r, selected.Get());
        MoveToEx(dc, r.left, r.top, nullptr);
        LineTo(dc, r.left, r.bottom);
        LineTo(dc, r.right, r.bottom);
        LineTo(dc, r.right, r.top - 1);
        const std::wstring& text = tabs_[static_cast<size_t>(tab.Index)];
        SetTextColor(dc, GetSysColor(EffectivelyEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void TTabSet::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND:
            message.Result = 1;  // the paint covers the whole strip
            return;
        case WM_LBUTTONDOWN: {
            if (CanFocus()) SetFocus();
            const int index = TabSetTabAt(Layout(), static_cast<short>(LOWORD(message.LParam)));
            if (index >= 0) SetTabIndex(index);
            break;
        }
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

}  // namespace tw
