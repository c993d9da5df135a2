#include "framework/win/PlayerGlyphs.h"

#include <vector>

#include "framework/core/PlayerButtons.h"

namespace tw {

namespace {

// A glyph is a few filled shapes in its 16 x 12 cell.
struct TGlyphShape {
    enum TKind { skTriangle, skBar, skDisc } Kind;
    POINT P[3];  // a triangle's corners; a bar's or disc's top-left and bottom-right in P[0], P[1]
};

std::vector<TGlyphShape> ShapesOf(int button) {
    using S = TGlyphShape;
    switch (button) {
        case btPlay:
            return {{S::skTriangle, {{5, 1}, {11, 6}, {5, 11}}}};
        case btPause:
            return {{S::skBar, {{4, 1}, {7, 11}}}, {S::skBar, {{9, 1}, {12, 11}}}};
        case btStop:
            return {{S::skBar, {{4, 2}, {12, 10}}}};
        case btNext:
            return {{S::skTriangle, {{3, 1}, {9, 6}, {3, 11}}}, {S::skBar, {{10, 1}, {12, 11}}}};
        case btPrev:
            return {{S::skBar, {{4, 1}, {6, 11}}}, {S::skTriangle, {{13, 1}, {7, 6}, {13, 11}}}};
        case btStep:
            return {{S::skTriangle, {{2, 1}, {7, 6}, {2, 11}}}, {S::skTriangle, {{8, 1}, {13, 6}, {8, 11}}}};
        case btBack:
            return {{S::skTriangle, {{13, 1}, {8, 6}, {13, 11}}}, {S::skTriangle, {{7, 1}, {2, 6}, {7, 11}}}};
        case btRecord:
            return {{S::skDisc, {{3, 1}, {13, 11}}}};
        case btEject:
            return {{S::skTriangle, {{8, 1}, {13, 6}, {3, 6}}}, {S::skBar, {{3, 8}, {14, 11}}}};
        default:
            return {};
    }
}

// The coloured look: each button its own colour, none of them the key.
COLORREF ColourOf(int button) {
    switch (button) {
        case btPlay:
            return RGB(0, 160, 0);
        case btPause:
            return RGB(0, 90, 200);
        case btStop:
            return RGB(40, 40, 160);
        case btNext:
        case btPrev:
            return RGB(0, 130, 140);
        case btStep:
        case btBack:
            return RGB(150, 60, 170);
        case btRecord:
            return RGB(220, 0, 0);
        default:
            return RGB(60, 60, 60);
    }
}

void DrawShapes(HDC dc, int x, int y, int button, COLORREF colour) {
    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const TBrushHandle brush(CreateSolidBrush(colour));
    if (!pen || !brush) return;
    const TSelection selectPen = Select(dc, pen.Get());
    const TSelection selectBrush = Select(dc, brush.Get());
    for (const TGlyphShape& s : ShapesOf(button)) {
        switch (s.Kind) {
            case TGlyphShape::skTriangle: {
                POINT p[3];
                for (int i = 0; i < 3; ++i) p[i] = POINT{s.P[i].x + x, s.P[i].y + y};
                Polygon(dc, p, 3);
                break;
            }
            case TGlyphShape::skBar:
                Rectangle(dc, s.P[0].x + x, s.P[0].y + y, s.P[1].x + x, s.P[1].y + y);
                break;
            case TGlyphShape::skDisc:
                Ellipse(dc, s.P[0].x + x, s.P[0].y + y, s.P[1].x + x, s.P[1].y + y);
                break;
        }
    }
}

}  // namespace

void DrawPlayerGlyph(HDC dc, int x, int y, int button, TPlayerGlyphLook look) {
    switch (look) {
        case glEnabled:
            DrawShapes(dc, x, y, button, RGB(0, 0, 0));
            break;
        case glDisabled:
            // Engraved: a light copy one pixel down and right under a grey one.
            DrawShapes(dc, x + 1, y + 1, button, RGB(255, 255, 255));
            DrawShapes(dc, x, y, button, RGB(128, 128, 128));
            break;
        case glColoured:
            DrawShapes(dc, x, y, button, ColourOf(button));
            break;
    }
}

TBitmapHandle MakePlayerGlyph(HDC dc, int button, TPlayerGlyphLook look) {
    TBitmapHandle bitmap(CreateCompatibleBitmap(dc, kPlayerGlyphWidth, kPlayerGlyphHeight));
    if (!bitmap) return bitmap;
    const TMemoryDC memory = CompatibleDC(dc);
    if (!memory) return TBitmapHandle();
    const TSelection selected = Select(memory.Get(), bitmap.Get());
    const TBrushHandle key(CreateSolidBrush(kPlayerGlyphKey));
    const RECT all{0, 0, kPlayerGlyphWidth, kPlayerGlyphHeight};
    FillRect(memory.Get(), &all, key.Get());
    DrawPlayerGlyph(memory.Get(), 0, 0, button, look);
    return bitmap;
}

}  // namespace tw
