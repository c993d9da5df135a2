#include "framework/win/ScrollBar.h"

#include <algorithm>

namespace tw {

const TClassInfo& TScrollBar::StaticClassInfo() {
    static const TClassInfo info{
        "TScrollBar",
        &TWinControl::StaticClassInfo(),
        {
            EnumProp<TScrollBar>(
                "Kind", {"sbHorizontal", "sbVertical"}, [](const TScrollBar& c) { return static_cast<int>(c.Kind()); },
                [](TScrollBar& c, int64_t v) { c.SetKind(static_cast<TScrollBarKind>(v)); }),
            IntProp<TScrollBar>(
                "Min", [](const TScrollBar& c) { return c.Min(); },
                [](TScrollBar& c, int64_t v) { c.SetMin(static_cast<int>(v)); }),
            IntProp<TScrollBar>(
                "Max", [](const TScrollBar& c) { return c.Max(); },
                [](TScrollBar& c, int64_t v) { c.SetMax(static_cast<int>(v)); }),
            IntProp<TScrollBar>(
                "Position", [](const TScrollBar& c) { return c.Position(); },
                [](TScrollBar& c, int64_t v) { c.SetPosition(static_cast<int>(v)); }),
            IntProp<TScrollBar>(
                "PageSize", [](const TScrollBar& c) { return c.PageSize(); },
                [](TScrollBar& c, int64_t v) { c.SetPageSize(static_cast<int>(v)); }),
        }};
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TScrollBar::SetKind(TScrollBarKind kind) {
    if (kind_ == kind) return;
    kind_ = kind;
    if (HandleAllocated()) RecreateWnd();
}

int TScrollBar::LastPosition() const { return std::max(min_, pageSize_ > 0 ? max_ - pageSize_ + 1 : max_); }

void TScrollBar::SetParams(int position, int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    const int old = position_;
    position_ = std::clamp(position, min_, LastPosition());
    SendInfo();
    if (position_ != old && OnChange) OnChange(this);
}

void TScrollBar::SetPosition(int value) { SetParams(value, min_, max_); }

void TScrollBar::SetPageSize(int value) {
    pageSize_ = std::clamp(value, 0, max_ - min_ + 1);
    SetParams(position_, min_, max_);
}

void TScrollBar::SendInfo() {
    if (!HandleAllocated()) return;
    SCROLLINFO info{
        sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"SCROLLBAR";
    if (kind_ == TScrollBarKind::sbVertical) params.Style |= SBS_VERT;
}

void TScrollBar::HandleCreated() {
    TWinControl::HandleCreated();
    SendInfo();
}

void TScrollBar::Scroll(int code) {
    int position = position_;
    switch (code) {
        case SB_LINEUP:
            position -= smallChange_;
            break;
        case SB_LINEDOWN:
            position += smallChange_;
            break;
        case SB_PAGEUP:
            position -= largeChange_;
            break;
        case SB_PAGEDOWN:
            position += largeChange_;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: {
            // The 32-bit position the thumb is dragged to (the message carries only 16 bits).
            SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
            if (GetScrollInfo(Handle(), SB_CTL, &info)) position = info.nTrackPos;
            break;
        }
        case SB_TOP:
            position = min_;
            break;
        case SB_BOTTOM:
            position = max_;
            break;
        default:
            break;
    }
    if (OnScroll) OnScroll(this, static_cast<TScrollCode>(code), position);
    SetPosition(position);
}

void TScrollBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        Scroll(LOWORD(message.WParam));
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace tw
