// TCheckBox and TRadioButton: the system's check and radio buttons as framework controls, with
// their check state published by name (State, Checked, AllowGrayed, Alignment).
#pragma once

#include "framework/win/StdCtrls.h"

namespace tw {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Shared by both: the state lives in the window once it has one, and in the object before.
class TCheckButtonControl : public TButtonControl {
    TW_CLASS_INFO()
public:
    explicit TCheckButtonControl(TComponent* owner);

    // The caption sits left of the box (taLeftJustify) or right of it (taRightJustify).
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    int CheckNow() const;  // BST_* of the window, or the kept state
    void SetCheck(int check);
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    int check_ = 0;
    TAlignment alignment_ = TAlignment::taRightJustify;
};

class TCheckBox : public TCheckButtonControl {
    TW_CLASS_INFO()
public:
    using TCheckButtonControl::TCheckButtonControl;

    TCheckBoxState State() const { return static_cast<TCheckBoxState>(CheckNow()); }
    void SetState(TCheckBoxState state) { SetCheck(static_cast<int>(state)); }
    bool Checked() const { return State() == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    // A click steps through the grayed state too.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool allowGrayed_ = false;
};

class TRadioButton : public TCheckButtonControl {
    TW_CLASS_INFO()
public:
    using TCheckButtonControl::TCheckButtonControl;

    bool Checked() const { return CheckNow() == 1; }
    void SetChecked(bool checked) { SetCheck(checked ? 1 : 0); }

protected:
    void CreateParams(TCreateParams& params) override;
};

}  // namespace tw
