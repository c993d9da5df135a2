// TButtonGlyph: what glyph and speed buttons share — the glyph strip, its cell count and where
// glyph and caption sit (Layout, Margin, Spacing) — and the published properties for them.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/win/GlyphBitmap.h"

namespace tw {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonGlyph {
    std::unique_ptr<TGlyphBitmap> Glyph = std::make_unique<TGlyphBitmap>();
    int NumGlyphs = 1;
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;  // -1: glyph and caption centred together
    int Spacing = 4;  // -1: the space left is shared out
};

// The glyph properties of a class T whose Glyphs() gives its TButtonGlyph (and which repaints
// in GlyphChanged()).
template <class T>
std::vector<TPropInfo> GlyphProps() {
    return {
        ObjProp<T>("Glyph", [](const T& c) { return c.Glyphs().Glyph.get(); }),
        IntProp<T>(
            "NumGlyphs", [](const T& c) { return c.Glyphs().NumGlyphs; },
            [](T& c, int64_t v) {
                c.Glyphs().NumGlyphs = static_cast<int>(v);
                c.GlyphChanged();
            }),
        EnumProp<T>(
            "Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
            [](const T& c) { return static_cast<int>(c.Glyphs().Layout); },
            [](T& c, int64_t v) {
                c.Glyphs().Layout = static_cast<TButtonLayout>(v);
                c.GlyphChanged();
            }),
        IntProp<T>(
            "Margin", [](const T& c) { return c.Glyphs().Margin; },
            [](T& c, int64_t v) {
                c.Glyphs().Margin = static_cast<int>(v);
                c.GlyphChanged();
            }),
        IntProp<T>(
            "Spacing", [](const T& c) { return c.Glyphs().Spacing; },
            [](T& c, int64_t v) {
                c.Glyphs().Spacing = static_cast<int>(v);
                c.GlyphChanged();
            }),
    };
}

// A class table's own properties followed by the glyph properties.
template <class T>
std::vector<TPropInfo> WithGlyphProps(std::vector<TPropInfo> own) {
    std::vector<TPropInfo> all = GlyphProps<T>();
    all.insert(all.end(), own.begin(), own.end());
    return all;
}

}  // namespace tw
