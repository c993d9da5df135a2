// TSkinBitButton: glyph buttons drawn from the skin's button strip, with the control's glyph
// (a cell of its glyph strip, greyed when disabled and the strip has no disabled cell, or a
// picture of its image list) and caption placed by the glyph layout.
#pragma once

#include "skin/controls/GlyphPainter.h"
#include "skin/controls/SkinButton.h"

namespace tw {

class TControl;

class TSkinBitButton : public TSkinButton {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;

    // What the last paint showed: the strip frame, the glyph cell (0: none) and where the glyph
    // went ({-1, -1}: no glyph).
    int LastFaceFrame() const { return lastFaceFrame_; }
    int LastGlyphCell() const { return lastGlyphCell_; }
    POINT LastGlyphAt() const { return lastGlyphAt_; }

protected:
    void DrawSkin(HDC dc, const RECT& rect) override;

    // Composes the button of width x height in the buffer and copies it to dc at x, y: the
    // background (the parent's image behind control, or the face), the frame of the strip when
    // drawFrame, then glyph and caption in font.
    void Compose(HDC dc, int x, int y, int width, int height, TControl& control, int frame, bool drawFrame,
                 TGlyphFace face, HFONT font);
    bool TransparentFace() const { return transparentFace_; }
    void SetTransparentFace(bool value) { transparentFace_ = value; }

private:
    TPaintBuffer faceBuffer_;
    bool transparentFace_ = false;
    int lastFaceFrame_ = 0, lastGlyphCell_ = 0;
    POINT lastGlyphAt_{-1, -1};
};

}  // namespace tw
