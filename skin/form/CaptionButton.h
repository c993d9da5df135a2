// TNCObject and TWinSysButton: the objects of a skinned frame that answer the mouse (the caption
// buttons; the menu-bar buttons join them later), with their state, their rectangle in window
// coordinates and the form skinner's one hot object.
#pragma once

#include "skin/data/CaptionButtons.h"
#include "skin/data/Rect.h"

namespace tw {

class TWinSkinForm;
class TDataSkinSysButton;
class TBitmap;

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& owner) : owner_(owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    // The old hot object leaves; a visible object becomes the hot one, pressed.
    void MouseDown();
    // A visible object shows hot again.
    void MouseUp();
    // Becomes the hot object (the old one leaves) unless it is already.
    void MouseEnter();
    // Back to normal; the form has no hot object any more.
    void MouseLeave();
    // Shows the current state at once.
    virtual void Paint() {}

    TRect Bounds;  // window coordinates
    bool Visible = false;
    int State = csNormal;

protected:
    TWinSkinForm& owner_;
};

// One caption button of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& skin) : TNCObject(owner), Skin(skin) {}
    void Paint() override;
    int Action() const;
    // What it draws: the skin's strip, or the window icon for the system-menu button (one cell).
    const TBitmap& Image() const;
    int FrameCount() const;

    const TDataSkinSysButton& Skin;
};

}  // namespace tw
