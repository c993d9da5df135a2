#include "framework/win/UpDown.h"

#include <commctrl.h>

#include <algorithm>

namespace tw {

const TClassInfo& TUpDown::StaticClassInfo() {
    static const TClassInfo info{
        "TUpDown",
        &TWinControl::StaticClassInfo(),
        {
            IntProp<TUpDown>(
                "Min", [](const TUpDown& c) { return c.Min(); },
                [](TUpDown& c, int64_t v) { c.SetMin(static_cast<int>(v)); }),
            IntProp<TUpDown>(
                "Max", [](const TUpDown& c) { return c.Max(); },
                [](TUpDown& c, int64_t v) { c.SetMax(static_cast<int>(v)); }),
            IntProp<TUpDown>(
                "Position", [](const TUpDown& c) { return c.Position(); },
                [](TUpDown& c, int64_t v) { c.SetPosition(static_cast<int>(v)); }),
            EnumProp<TUpDown>(
                "Orientation", {"udVertical", "udHorizontal"},
                [](const TUpDown& c) { return static_cast<int>(c.Orientation()); },
                [](TUpDown& c, int64_t v) { c.SetOrientation(static_cast<TUDOrientation>(v)); }),
        }};
    return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {}

void TUpDown::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    SendState();
}

void TUpDown::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    SendState();
}

int TUpDown::Position() const {
    if (!HandleAllocated()) return position_;
    HWND wnd = const_cast<TUpDown*>(this)->Handle();
    return static_cast<int>(SendMessageW(wnd, UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetAssociate(TWinControl* edit) {
    associate_ = edit;
    if (HandleAllocated()) SendState();
}

void TUpDown::SendState() {
    position_ = std::clamp(position_, min_, max_);
    if (!HandleAllocated()) return;
    if (associate_) SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = UPDOWN_CLASSW;
    // The buddy's text follows the position; the arrows stay where they were placed.
    params.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (orientation_ == TUDOrientation::udHorizontal) params.Style |= UDS_HORZ;
}

void TUpDown::HandleCreated() {
    TWinControl::HandleCreated();
    SendState();
}

}  // namespace tw
