#include "framework/win/SpeedButton.h"

#include "framework/win/StdCtrls.h"

namespace tw {

const TClassInfo& TSpeedButton::StaticClassInfo() {
    static const TClassInfo info{
        "TSpeedButton", &TGraphicControl::StaticClassInfo(),
        WithGlyphProps<TSpeedButton>({
            BoolProp<TSpeedButton>(
                "Down", [](const TSpeedButton& b) { return b.Down(); }, [](TSpeedButton& b, bool v) { b.SetDown(v); }),
            BoolProp<TSpeedButton>(
                "Flat", [](const TSpeedButton& b) { return b.Flat(); }, [](TSpeedButton& b, bool v) { b.SetFlat(v); }),
            IntProp<TSpeedButton>(
                "GroupIndex", [](const TSpeedButton& b) { return b.GroupIndex(); },
                [](TSpeedButton& b, int64_t v) { b.SetGroupIndex(static_cast<int>(v)); }),
            BoolProp<TSpeedButton>(
                "AllowAllUp", [](const TSpeedButton& b) { return b.AllowAllUp(); },
                [](TSpeedButton& b, bool v) { b.SetAllowAllUp(v); }),
        })};
    return info;
}

void TSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;  // only grouped buttons stay down
    if (down_ == down) return;
    down_ = down;
    if (down_) GroupOthersUp();
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (groupIndex_ == 0) SetDown(false);
}

void TSpeedButton::GroupOthersUp() {
    if (!parent_ || groupIndex_ == 0) return;
    for (int i = 0; i < parent_->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(parent_->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
    }
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0) {
        if (!down_) SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
    }
    TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!EffectivelyEnabled()) return;
            pressed_ = true;
            Invalidate();
            return;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                Invalidate();
            }
            break;  // the click comes from the graphic control's release
        case CM_MOUSEENTER:
            hot_ = true;
            if (flat_) Invalidate();
            return;
        case CM_MOUSELEAVE:
            hot_ = false;
            if (flat_ || pressed_) Invalidate();
            return;
        default:
            break;
    }
    TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    const bool sunk = down_ || pressed_;
    if (!flat_ || hot_ || sunk) DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    if (sunk) OffsetRect(&r, 1, 1);
    DrawControlText(dc, font_, EffectivelyEnabled(), caption_, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    EdgeColours());
}

}  // namespace tw
