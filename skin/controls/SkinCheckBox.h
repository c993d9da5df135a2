// TSkinCheckBox and TSkinRadioButton: the box or circle of check boxes and radio buttons drawn
// from the skin's check or radio strip. A framework control is drawn whole (face, box, caption);
// a bare window paints itself and only the box is drawn over it, as is any control while the
// skin has no strip.
#pragma once

#include "skin/controls/CheckFrame.h"
#include "skin/controls/ControlSkinner.h"

namespace tw {

class TBitmap;

class TSkinCheckMark : public TControlSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;

    // The strip frame of the last paint (0 before the first).
    int LastFrame() const { return lastFrame_; }
    // The whole control is drawn (not only the box over its own painting).
    bool DrawsWhole() const { return classMode_ == 1; }

protected:
    explicit TSkinCheckMark(bool radio) : radio_(radio) {}
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    const TBitmap* Strip() const;
    int FrameCount() const;
    TCheckLook LookNow() const;
    void DrawCaption(HDC dc, const RECT& textRect, UINT format);

    bool radio_;
    int dataState_ = 0;  // the last BM_SETCHECK + 1 (1 unchecked, 2 checked, 3 grayed), 0 before
    bool parentImage_ = false;
    int lastFrame_ = 0;
};

class TSkinCheckBox : public TSkinCheckMark {
public:
    TSkinCheckBox() : TSkinCheckMark(false) {}
};

class TSkinRadioButton : public TSkinCheckMark {
public:
    TSkinRadioButton() : TSkinCheckMark(true) {}
};

}  // namespace tw
