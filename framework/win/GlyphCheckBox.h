// TGlyphCheckBox: a check box that takes its glyph strips from outside, published by name as
// controls of that kind publish them: a CustomGlyphs strip with its transparentcolor, switched on
// by UseCustomGlyphs (each switch on reloads the strip), and a Properties object with a Glyph.
// It keeps what it is given and counts the reloads. With the strip switched on it draws itself:
// the strip's cell for its state, its caption beside it, on its own colour; else the system
// draws it.
#pragma once

#include <memory>

#include "framework/win/CheckBoxes.h"
#include "framework/win/GlyphBitmap.h"

namespace tw {

// The Properties object: a glyph strip and whether its transparent colour is cut away.
class TGlyphCheckProperties : public TObject {
    TW_CLASS_INFO()
public:
    TGlyphBitmap& Glyph() { return glyph_; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }

private:
    TGlyphBitmap glyph_;
    bool transparent_ = true;
};

class TGlyphCheckBox : public TCheckBox {
    TW_CLASS_INFO()
public:
    using TCheckBox::TCheckBox;

    TGlyphBitmap& CustomGlyphs() { return customGlyphs_; }
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool use);
    int TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(int colour) { transparentColor_ = colour; }
    TGlyphCheckProperties& Properties() { return properties_; }
    // How many times the strip was switched on.
    int GlyphLoads() const { return glyphLoads_; }
    // The cell of the 9-cell strip that shows a state: unchecked, checked and grayed, then the
    // same when pressed, then when disabled.
    static int StripCell(TCheckBoxState state, bool pressed, bool enabled);

protected:
    void WndProc(TMessage& message) override;

private:
    bool DrawsItself();
    void PaintFromStrip(HDC dc);

    TGlyphBitmap customGlyphs_;
    TGlyphCheckProperties properties_;
    bool useCustomGlyphs_ = false;
    int transparentColor_ = 0;
    int glyphLoads_ = 0;
};

}  // namespace tw
