#include "tests/gallery/GalleryGlyphs.h"

#include "framework/win/GlyphBitmap.h"
#include "framework/win/Handles.h"

namespace tw::gallery {

void PaintGlyphStrip(TGlyphBitmap& glyph, int cells, int size, COLORREF colour) {
    if (!glyph.SetSize(cells * size, size)) return;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    const TSelection selected = Select(dc.Get(), glyph.Handle());
    const RECT all{0, 0, cells * size, size};
    TBrushHandle ground(CreateSolidBrush(RGB(255, 0, 255)));
    FillRect(dc.Get(), &all, ground.Get());
    for (int cell = 1; cell <= cells; ++cell) {
        const int shift = cell == 3 ? 1 : 0;
        const int x = (cell - 1) * size + shift, y = shift, half = size / 2;
        const POINT diamond[] = {
            {x + half, y + 2}, {x + size - 3, y + half}, {x + half, y + size - 3}, {x + 2, y + half}};
        TBrushHandle fill(CreateSolidBrush(cell == 2 ? RGB(150, 150, 150) : colour));
        TPenHandle edge(CreatePen(PS_SOLID, 1, RGB(20, 20, 20)));
        const TSelection brush = Select(dc.Get(), fill.Get());
        const TSelection pen = Select(dc.Get(), edge.Get());
        Polygon(dc.Get(), diamond, 4);
        if (cell == 4) {
            const RECT core{x + half - 2, y + half - 2, x + half + 2, y + half + 2};
            TBrushHandle dark(CreateSolidBrush(RGB(20, 20, 20)));
            FillRect(dc.Get(), &core, dark.Get());
        }
    }
    GdiFlush();
    glyph.Changed();
}

}  // namespace tw::gallery
