#include "skin/controls/GlyphLayout.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tw {

TGlyphSide GlyphSideFromName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "blglyphright") return TGlyphSide::Right;
    if (lower == "blglyphtop") return TGlyphSide::Top;
    if (lower == "blglyphbottom") return TGlyphSide::Bottom;
    return TGlyphSide::Left;
}

int GlyphCount(int numGlyphs, int stripWidth) {
    const int most = std::max(1, std::min(4, stripWidth));
    return std::clamp(numGlyphs, 1, most);
}

int GlyphCellFor(int wanted, int numGlyphs, int stripWidth) {
    const int count = GlyphCount(numGlyphs, stripWidth);
    return wanted >= 1 && wanted <= count ? wanted : gcUp;
}

TSize2 GlyphCellSize(int stripWidth, int stripHeight, int numGlyphs) {
    if (stripWidth <= 0 || stripHeight <= 0) return {};
    return {stripWidth / GlyphCount(numGlyphs, stripWidth), stripHeight};
}

TRect GlyphTextBox(TSize2 client, TSize2 glyph, TGlyphSide side) {
    TRect box(2, 2, client.Width - 2, client.Height - 2);
    if (side == TGlyphSide::Left || side == TGlyphSide::Right) box.Right -= glyph.Width + 2;
    else
        box.Bottom -= glyph.Height + 2;
    return box;
}

TGlyphPlacement LayOutGlyph(const TGlyphLayoutInput& in) {
    const bool across = in.Side == TGlyphSide::Left || in.Side == TGlyphSide::Right;
    // Lengths along the layout axis and across it.
    const int client = across ? in.Client.Width : in.Client.Height;
    const int glyph = across ? in.Glyph.Width : in.Glyph.Height;
    const int text = across ? in.Text.Width : in.Text.Height;
    const int crossClient = across ? in.Client.Height : in.Client.Width;
    const int glyphCross = (crossClient - (across ? in.Glyph.Height : in.Glyph.Width) + 1) / 2;
    const int textCross = (crossClient - (across ? in.Text.Height : in.Text.Width) + 1) / 2;

    int margin = in.Margin, spacing = in.Spacing;
    if (in.Text.Width == 0 || in.Glyph.Width == 0) spacing = 0;
    if (margin == -1 || in.Centred) {
        if (spacing == -1) {
            margin = (client - (glyph + text)) / 3;
            spacing = margin;
        } else {
            margin = (client - (glyph + spacing + text)) / 2 + (in.Speed ? 1 : 0);
        }
    } else if (spacing == -1) {
        spacing = ((client - margin - glyph) - text) / 2;
    }

    int glyphAt, textAt;
    if (in.Side == TGlyphSide::Left || in.Side == TGlyphSide::Top) {
        glyphAt = margin;
        textAt = margin + glyph + spacing;
    } else {
        glyphAt = client - margin - glyph;
        textAt = glyphAt - spacing - text;
    }
    if (across) return {glyphAt, glyphCross, textAt, textCross};
    return {glyphCross, glyphAt, textCross, textAt};
}

}  // namespace tw
