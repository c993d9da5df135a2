#include "framework/win/GlyphCheckBox.h"

namespace tw {

const TClassInfo& TGlyphCheckProperties::StaticClassInfo() {
    static const TClassInfo info{
        "TGlyphCheckProperties",
        &TObject::StaticClassInfo(),
        {
            ObjProp<TGlyphCheckProperties>(
                "Glyph", [](const TGlyphCheckProperties& p) { return &const_cast<TGlyphCheckProperties&>(p).Glyph(); }),
            BoolProp<TGlyphCheckProperties>(
                "Transparent", [](const TGlyphCheckProperties& p) { return p.Transparent(); },
                [](TGlyphCheckProperties& p, bool v) { p.SetTransparent(v); }),
        }};
    return info;
}

const TClassInfo& TGlyphCheckBox::StaticClassInfo() {
    static const TClassInfo info{
        "TGlyphCheckBox",
        &TCheckBox::StaticClassInfo(),
        {
            ObjProp<TGlyphCheckBox>(
                "CustomGlyphs", [](const TGlyphCheckBox& c) { return &const_cast<TGlyphCheckBox&>(c).CustomGlyphs(); }),
            BoolProp<TGlyphCheckBox>(
                "UseCustomGlyphs", [](const TGlyphCheckBox& c) { return c.UseCustomGlyphs(); },
                [](TGlyphCheckBox& c, bool v) { c.SetUseCustomGlyphs(v); }),
            IntProp<TGlyphCheckBox>(
                "transparentcolor", [](const TGlyphCheckBox& c) { return c.TransparentColor(); },
                [](TGlyphCheckBox& c, int64_t v) { c.SetTransparentColor(static_cast<int>(v)); }),
            ObjProp<TGlyphCheckBox>(
                "Properties", [](const TGlyphCheckBox& c) { return &const_cast<TGlyphCheckBox&>(c).Properties(); }),
        }};
    return info;
}

void TGlyphCheckBox::SetUseCustomGlyphs(bool use) {
    if (use && !useCustomGlyphs_) ++glyphLoads_;
    useCustomGlyphs_ = use;
    Invalidate();
}

}  // namespace tw
