#include "skin/controls/SkinSpeedButton.h"

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

bool IsTrue(const TControl& control, const char* name) {
    const std::string value = GetEnumProp(&control, name);
    return value == "True" || value == "true";
}

}  // namespace

void TSkinSpeedButton::AttachSpeed(TWinSkinForm& form, TSkinData& data, TControl& button) {
    AttachWindowless(form, data, button);
    if (!Attached()) return;
    graphic_ = &button;
    SetTransparentFace(ShowsParentPicture(button.Tag(), data));
    Redraw();
}

void TSkinSpeedButton::Detach() {
    TControl* button = graphic_;
    TSkinBitButton::Detach();
    graphic_ = nullptr;
    if (button) button->Invalidate();
}

void TSkinSpeedButton::SkinChanged() {
    if (Attached()) Redraw();
}

void TSkinSpeedButton::Redraw() {
    if (graphic_) graphic_->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
    if (!graphic_ || !HasImage()) return TControlSkinner::BeforeMessage(message);
    switch (message.Msg) {
        case WM_PAINT:
            if (!message.WParam) return true;
            // The parent's image behind the button paints its windowless children again, this
            // one among them: that inner paint is left out.
            if (!painting_) Paint(reinterpret_cast<HDC>(message.WParam));
            message.Result = 1;
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            CallPrevious(message);
            if (graphic_ && graphic_->EffectivelyEnabled()) {
                mouseState_ |= msPressed;
                Redraw();
            }
            return false;
        case CM_MOUSEENTER:
            mouseState_ |= msHot;
            Redraw();
            return true;
        case CM_MOUSELEAVE:
            mouseState_ &= ~(msHot | msPressed);
            if (graphic_->Visible()) Redraw();
            return true;
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
    if (!graphic_) return;
    switch (message.Msg) {
        case WM_LBUTTONUP:
            mouseState_ &= ~msPressed;
            Redraw();
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) {
                if (message.Msg == WM_KEYDOWN) mouseState_ |= msPressed;
                else
                    mouseState_ &= ~msPressed;
                Redraw();
            }
            break;
        default:
            break;  // enable and focus changes repaint through the button's own invalidation
    }
}

void TSkinSpeedButton::Paint(HDC dc) {
    TControl& button = *graphic_;
    const int width = button.Width(), height = button.Height();
    if (width <= 0 || height <= 0) return;
    painting_ = true;
    TGlyphFace face;
    face.Speed = true;
    face.Enabled = button.EffectivelyEnabled();
    int frame;
    if (IsTrue(button, "Down")) {
        frame = bfPressed;
        face.WantedCell = gcDown;
    } else if (!face.Enabled) {
        frame = bfDisabled;
        face.WantedCell = gcDisabled;
    } else if (mouseState_ & msPressed) {
        frame = bfPressed;
        face.WantedCell = gcPressed;
    } else {
        frame = (mouseState_ & msHot) ? bfHot : bfNormal;
        face.WantedCell = gcUp;
    }
    const bool drawFrame = !IsTrue(button, "Flat") || frame == bfPressed || frame == bfHot;
    try {
        Compose(dc, 0, 0, width, height, button, frame, drawFrame, face, button.Font().Handle());
    } catch (...) {
        // Painting never fails the parent.
    }
    painting_ = false;
}

}  // namespace tw
