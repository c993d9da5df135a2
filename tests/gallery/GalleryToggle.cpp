#include "tests/gallery/GalleryToggle.h"

namespace tw::gallery {

const TClassInfo& TGalleryToggle::StaticClassInfo() {
    static const TClassInfo info{"TGalleryToggle",
                                 &TButtonControl::StaticClassInfo(),
                                 {BoolProp<TGalleryToggle>(
                                     "Checked", [](const TGalleryToggle& c) { return c.Checked(); },
                                     [](TGalleryToggle& c, bool v) { c.SetChecked(v); })}};
    return info;
}

void TGalleryToggle::SetChecked(bool value) {
    checked_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TGalleryToggle::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    // Radio buttons of one parent form one group: the system moves the mark among them.
    params.Style |= kind_ == TToggleKind::tkCheckBox ? BS_AUTOCHECKBOX : BS_AUTORADIOBUTTON;
}

void TGalleryToggle::HandleCreated() {
    TButtonControl::HandleCreated();
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TGalleryToggle::ReadMark() { checked_ = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TGalleryToggle::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        // The system has moved the mark already, off the other radio buttons of the group too:
        // keep every mark in step before anyone asks.
        if (kind_ == TToggleKind::tkRadioButton && Parent()) {
            for (int i = 0; i < Parent()->ControlCount(); ++i)
                if (auto* sibling = dynamic_cast<TGalleryToggle*>(Parent()->Controls(i)))
                    if (sibling->HandleAllocated()) sibling->ReadMark();
        }
        ReadMark();
        Click();
        return;
    }
    TButtonControl::WndProc(message);
}

}  // namespace tw::gallery
