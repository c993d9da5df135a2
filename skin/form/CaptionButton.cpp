#include "skin/form/CaptionButton.h"

#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

void TNCObject::MouseDown() {
    if (owner_.HotObject() && owner_.HotObject() != this) owner_.HotObject()->MouseLeave();
    if (!Visible) return;
    owner_.SetHotObject(this);
    State = csPressed;
    Paint();
}

void TNCObject::MouseUp() {
    if (!Visible) return;
    State = csHot;
    Paint();
}

void TNCObject::MouseEnter() {
    if (owner_.HotObject() == this) return;
    if (owner_.HotObject()) owner_.HotObject()->MouseLeave();
    if (!Visible) return;
    owner_.SetHotObject(this);
    State = csHot;
    Paint();
}

void TNCObject::MouseLeave() {
    if (owner_.HotObject() == this) owner_.SetHotObject(nullptr);
    if (!Visible) return;
    State = csNormal;
    Paint();
}

// The maximised MDI child's buttons lie in the menu band, which the frame paints with them.
void TWinSysButton::Paint() {
    if (Skin.Visibility == kMenuBandVisibility) owner_.RepaintFrame();
    else
        owner_.RepaintTitle();
}

int TWinSysButton::Action() const { return Skin.Action; }

const TBitmap& TWinSysButton::Image() const {
    return DrawsWindowIcon(Skin.Action) ? owner_.Painter().IconBitmap() : Skin.Image;
}

int TWinSysButton::FrameCount() const { return DrawsWindowIcon(Skin.Action) ? 1 : Skin.FrameCount; }

}  // namespace tw
