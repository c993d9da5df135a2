// TSkinButton: push buttons drawn from the skin's button strip (normal, pressed, disabled, hot,
// focused), for framework buttons and for the bare buttons of system dialogs. The press is kept
// from the button's own procedure; the skinner produces the click on release while the press
// still holds (leaving the button ends it). A skin without a button image leaves the button
// to its own look.
#pragma once

#include <array>

#include "framework/win/Handles.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinButton : public TControlSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;

    // The strip frame of the last paint (0 before the first).
    int LastFrame() const { return lastFrame_; }
    // The skin has a button image to draw.
    bool HasImage() const;
    void SkinChanged() override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void Release();
    void DrawCaption(HDC dc, const RECT& rect, const std::wstring& text, bool focused);
    // The face and frame of the strip at the button's size, composed once per frame and size:
    // composing the nine slices is most of a paint.
    HBITMAP ComposedFrame(HDC dc, int frame, int width, int height);

    bool parentImage_ = false;
    int lastFrame_ = 0;
    std::array<TBitmapHandle, kButtonFrameCount + 1> frames_;
    SIZE framesSize_{};
};

}  // namespace tw
