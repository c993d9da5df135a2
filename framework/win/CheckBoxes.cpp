#include "framework/win/CheckBoxes.h"

namespace tw {

const TClassInfo& TCheckButtonControl::StaticClassInfo() {
    static const TClassInfo info{
        "TCheckButtonControl",
        &TButtonControl::StaticClassInfo(),
        {
            EnumProp<TCheckButtonControl>(
                "Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                [](const TCheckButtonControl& c) { return static_cast<int>(c.Alignment()); },
                [](TCheckButtonControl& c, int64_t v) { c.SetAlignment(static_cast<TAlignment>(v)); }),
        }};
    return info;
}

TCheckButtonControl::TCheckButtonControl(TComponent* owner) : TButtonControl(owner) {}

void TCheckButtonControl::SetAlignment(TAlignment alignment) {
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    if (HandleAllocated()) RecreateWnd();
}

int TCheckButtonControl::CheckNow() const {
    if (!HandleAllocated()) return check_;
    HWND h = const_cast<TCheckButtonControl*>(this)->Handle();
    return static_cast<int>(SendMessageW(h, BM_GETCHECK, 0, 0)) & 3;
}

void TCheckButtonControl::SetCheck(int check) {
    check_ = check;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void TCheckButtonControl::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    if (alignment_ == TAlignment::taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCheckButtonControl::HandleCreated() {
    TButtonControl::HandleCreated();
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(check_), 0);
}

void TCheckButtonControl::WndProc(TMessage& message) {
    if (message.Msg == WM_DESTROY) check_ = CheckNow();  // kept over a recreated window
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TButtonControl::WndProc(message);
}

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info{"TCheckBox",
                                 &TCheckButtonControl::StaticClassInfo(),
                                 {
                                     EnumProp<TCheckBox>(
                                         "State", {"cbUnchecked", "cbChecked", "cbGrayed"},
                                         [](const TCheckBox& c) { return static_cast<int>(c.State()); },
                                         [](TCheckBox& c, int64_t v) { c.SetState(static_cast<TCheckBoxState>(v)); }),
                                     BoolProp<TCheckBox>(
                                         "Checked", [](const TCheckBox& c) { return c.Checked(); },
                                         [](TCheckBox& c, bool v) { c.SetChecked(v); }),
                                     BoolProp<TCheckBox>(
                                         "AllowGrayed", [](const TCheckBox& c) { return c.AllowGrayed(); },
                                         [](TCheckBox& c, bool v) { c.SetAllowGrayed(v); }),
                                 }};
    return info;
}

void TCheckBox::SetAllowGrayed(bool allow) {
    if (allowGrayed_ == allow) return;
    allowGrayed_ = allow;
    if (HandleAllocated()) RecreateWnd();
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TCheckButtonControl::CreateParams(params);
    params.Style |= allowGrayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

const TClassInfo& TRadioButton::StaticClassInfo() {
    static const TClassInfo info{"TRadioButton",
                                 &TCheckButtonControl::StaticClassInfo(),
                                 {
                                     BoolProp<TRadioButton>(
                                         "Checked", [](const TRadioButton& c) { return c.Checked(); },
                                         [](TRadioButton& c, bool v) { c.SetChecked(v); }),
                                 }};
    return info;
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TCheckButtonControl::CreateParams(params);
    params.Style |= BS_AUTORADIOBUTTON;
}

}  // namespace tw
