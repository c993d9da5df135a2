#include "framework/win/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>

namespace tw {

namespace {

constexpr int kButtonWidth = 15;

}  // namespace

const TClassInfo& TSpinEdit::StaticClassInfo() {
    static const TClassInfo info{"TSpinEdit",
                                 &TCustomEdit::StaticClassInfo(),
                                 {
                                     IntProp<TSpinEdit>(
                                         "Value", [](const TSpinEdit& c) { return c.Value(); },
                                         [](TSpinEdit& c, int64_t v) { c.SetValue(static_cast<int>(v)); }),
                                     IntProp<TSpinEdit>(
                                         "MinValue", [](const TSpinEdit& c) { return c.MinValue(); },
                                         [](TSpinEdit& c, int64_t v) { c.SetMinValue(static_cast<int>(v)); }),
                                     IntProp<TSpinEdit>(
                                         "MaxValue", [](const TSpinEdit& c) { return c.MaxValue(); },
                                         [](TSpinEdit& c, int64_t v) { c.SetMaxValue(static_cast<int>(v)); }),
                                     IntProp<TSpinEdit>(
                                         "Increment", [](const TSpinEdit& c) { return c.Increment(); },
                                         [](TSpinEdit& c, int64_t v) { c.SetIncrement(static_cast<int>(v)); }),
                                 }};
    return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner), button_(new TUpDown(this)) {
    button_->SetParent(this);
    button_->SetMin(min_);
    button_->SetMax(max_);
    button_->SetAssociate(this);
    SetText(L"0");
}

int TSpinEdit::Value() const {
    const std::wstring& text = Caption();
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(text.c_str(), &end, 10);
    if (end == text.c_str()) return min_;
    return static_cast<int>(std::clamp<long>(parsed, min_, max_));
}

void TSpinEdit::SetValue(int value) {
    value = std::clamp(value, min_, max_);
    SetText(std::to_wstring(value));
    button_->SetPosition(value);
}

void TSpinEdit::SetMinValue(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    button_->SetMin(min_);
    button_->SetMax(max_);
}

void TSpinEdit::SetMaxValue(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    button_->SetMin(min_);
    button_->SetMax(max_);
}

void TSpinEdit::SetIncrement(int value) {
    increment_ = std::max(1, value);
    SendStep();
}

void TSpinEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;  // the edit's own paint leaves the arrows alone
}

void TSpinEdit::HandleCreated() {
    TCustomEdit::HandleCreated();
    // The text stops short of the arrows.
    SendMessageW(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, kButtonWidth + 1));
    PlaceButton();
    button_->HandleNeeded();
    button_->SetPosition(Value());
    SendStep();
}

void TSpinEdit::BoundsChanged() {
    TCustomEdit::BoundsChanged();
    PlaceButton();
}

void TSpinEdit::PlaceButton() {
    RECT client{0, 0, width_, height_};
    if (HandleAllocated()) GetClientRect(Handle(), &client);
    else if (BorderStyle() == TBorderStyle::bsSingle)
        InflateRect(&client, -2, -2);
    button_->SetBounds(std::max(0, static_cast<int>(client.right) - kButtonWidth), 0, kButtonWidth,
                       std::max(0, static_cast<int>(client.bottom - client.top)));
}

void TSpinEdit::SendStep() {
    if (!button_->HandleAllocated()) return;
    UDACCEL step{0, static_cast<UINT>(increment_)};
    SendMessageW(button_->Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
}

}  // namespace tw
