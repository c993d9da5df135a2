// TSkinSpeedButton: windowless tool buttons drawn from the skin's button strip in their parent's
// paint (the parent paints its windowless children through their message methods). Hot while
// the parent's mouse moves tell it the pointer is over it; a button down shows the pressed frame
// and the held-down glyph cell; a flat one shows the frame only while hot or pressed.
#pragma once

#include "skin/controls/SkinBitButton.h"

namespace tw {

class TSkinSpeedButton : public TSkinBitButton {
public:
    void AttachSpeed(TWinSkinForm& form, TSkinData& data, TControl& button);
    void Detach() override;
    void SkinChanged() override;

    // The speed button this skinner draws (none once it has gone).
    TControl* Graphic() const { return graphic_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void WindowGoing() override { graphic_ = nullptr; }

private:
    void Paint(HDC dc);
    // Asks the parent to paint the button again.
    void Redraw();

    TControl* graphic_ = nullptr;
    bool painting_ = false;
};

}  // namespace tw
