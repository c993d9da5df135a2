// TGalleryToggle: a check box or radio button on the system's button class, for the gallery's
// own switches and its page of controls until the framework has toggles of its own.
#pragma once

#include <windows.h>

#include "framework/win/StdCtrls.h"

namespace tw::gallery {

enum class TToggleKind { tkCheckBox, tkRadioButton };

class TGalleryToggle : public TButtonControl {
    TW_CLASS_INFO()
public:
    TGalleryToggle(TComponent* owner, TToggleKind kind) : TButtonControl(owner), kind_(kind) {}

    TToggleKind Kind() const { return kind_; }
    bool Checked() const { return checked_; }
    // Sets the mark without firing OnClick (the program's own change, not the user's).
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void ReadMark();
    TToggleKind kind_;
    bool checked_ = false;
};

}  // namespace tw::gallery
