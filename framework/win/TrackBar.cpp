#include "framework/win/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

namespace tw {

const TClassInfo& TTrackBar::StaticClassInfo() {
    static const TClassInfo info{
        "TTrackBar",
        &TWinControl::StaticClassInfo(),
        {
            EnumProp<TTrackBar>(
                "Orientation", {"trHorizontal", "trVertical"},
                [](const TTrackBar& c) { return static_cast<int>(c.Orientation()); },
                [](TTrackBar& c, int64_t v) { c.SetOrientation(static_cast<TTrackBarOrientation>(v)); }),
            IntProp<TTrackBar>(
                "Min", [](const TTrackBar& c) { return c.Min(); },
                [](TTrackBar& c, int64_t v) { c.SetMin(static_cast<int>(v)); }),
            IntProp<TTrackBar>(
                "Max", [](const TTrackBar& c) { return c.Max(); },
                [](TTrackBar& c, int64_t v) { c.SetMax(static_cast<int>(v)); }),
            IntProp<TTrackBar>(
                "Position", [](const TTrackBar& c) { return c.Position(); },
                [](TTrackBar& c, int64_t v) { c.SetPosition(static_cast<int>(v)); }),
            IntProp<TTrackBar>(
                "Frequency", [](const TTrackBar& c) { return c.Frequency(); },
                [](TTrackBar& c, int64_t v) { c.SetFrequency(static_cast<int>(v)); }),
        }};
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (orientation_ == value) return;
    position_ = Position();
    orientation_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetMin(int value) {
    position_ = Position();
    min_ = value;
    max_ = std::max(max_, min_);
    SendState();
}

void TTrackBar::SetMax(int value) {
    position_ = Position();
    max_ = value;
    min_ = std::min(min_, max_);
    SendState();
}

int TTrackBar::Position() const {
    if (!HandleAllocated()) return position_;
    return static_cast<int>(SendMessageW(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int value) {
    const int old = Position();
    position_ = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
    if (position_ != old && OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int value) {
    frequency_ = std::max(0, value);
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SendState() {
    position_ = std::clamp(position_, min_, max_);
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = TRACKBAR_CLASSW;
    params.Style |= TBS_AUTOTICKS | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::HandleCreated() {
    TWinControl::HandleCreated();
    SendState();
}

void TTrackBar::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_DESTROY:
            position_ = Position();  // kept over a recreated window
            break;
        case CN_HSCROLL:
        case CN_VSCROLL: {
            const int now = Position();
            if (now != position_) {
                position_ = now;
                if (OnChange) OnChange(this);
            }
            message.Result = 0;
            return;
        }
        default:
            break;
    }
    TWinControl::WndProc(message);
}

}  // namespace tw
