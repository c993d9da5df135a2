#include "skin/controls/SkinBitButton.h"

#include "framework/win/Control.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/PaintControlTo.h"

namespace tw {

void TSkinBitButton::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TSkinButton::AttachControl(form, data, control, recolour);
    transparentFace_ = ShowsParentPicture(control.Tag(), data);
}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasImage() || !control_ || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    TButtonLook look;
    look.Pressed = (mouseState_ & msPressed) != 0;
    look.Hot = (mouseState_ & msHot) != 0;
    look.Focused = Focused();
    look.Enabled = (style & WS_DISABLED) == 0;
    TGlyphFace face;
    face.Enabled = look.Enabled;
    face.WantedCell = !look.Enabled ? gcDisabled : look.Pressed ? gcPressed : gcUp;
    face.FocusRect = look.Focused && !InSet(skinData_->Options, xoNoFocusRect);
    Compose(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, *control_, ButtonFrameFor(look),
            true, face, control_->Font().Handle());
}

void TSkinBitButton::Compose(HDC dc, int x, int y, int width, int height, TControl& control, int frame, bool drawFrame,
                             TGlyphFace face, HFONT font) {
    if (width <= 0 || height <= 0) return;
    const TDataSkinButton& button = *skinData_->Buttons;
    const HBITMAP bitmap = faceBuffer_.For(dc, width, height);
    if (!bitmap) return;
    TBitmapDC buffer(dc, bitmap);
    if (!buffer) return;
    HDC b = buffer.Get();
    const RECT local{0, 0, width, height};
    if (!transparentFace_ || !PaintControlTo(control, b)) FillFace(b, local);
    if (drawFrame) DrawSkinObject(b, local, kButtonFrameCount, frame, button);

    TColor colour = control.Font().Color();
    if (frame == bfNormal && button.HasNormalColour2) colour = button.NormalColour2;
    if (frame == bfHot && button.HasMouseOverColour2) colour = button.MouseOverColour2;
    if (frame == bfPressed && button.HasPressedColour2) colour = button.PressedColour2;
    if (!face.Enabled) colour = skinData_->Colours.ButtonShadow;
    face.TextColour = ColorToRGB(ResolveColor(colour));
    const TSelection selectFont = Select(b, font);
    lastGlyphAt_ = DrawGlyphAndCaption(b, local, ReadGlyphSource(control), face, control.Caption());
    lastGlyphCell_ = lastGlyphAt_.x < 0 ? 0 : face.WantedCell;
    lastFaceFrame_ = frame;
    BitBlt(dc, x, y, width, height, b, 0, 0, SRCCOPY);
}

}  // namespace tw
