#include "skin/controls/GlyphPainter.h"

#include <algorithm>
#include <cstdint>

#include "framework/core/ClassInfo.h"
#include "framework/win/FitText.h"
#include "framework/win/GlyphBitmap.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "skin/form/BitmapDC.h"

namespace tw {

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

int OrdOr(const TObject& o, const char* name, int fallback) {
    return HasProp(&o, name) ? static_cast<int>(GetOrdProp(&o, name)) : fallback;
}

// A 24-bit top-down picture the routines below can write into.
struct TCellPicture {
    TBitmapHandle Bitmap;
    uint8_t* Bits = nullptr;
    int Width = 0, Height = 0;
    size_t Stride() const { return (static_cast<size_t>(Width) * 3 + 3) & ~size_t(3); }
};

bool MakePicture(TCellPicture& picture, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    picture.Bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture.Bitmap || !bits) return false;
    picture.Bits = static_cast<uint8_t*>(bits);
    picture.Width = width;
    picture.Height = height;
    return true;
}

// Greys every pixel but the transparent ones, then copies the picture to dc without them.
void BlitPicture(HDC dc, int x, int y, TCellPicture& picture, COLORREF transparent, bool greyed) {
    GdiFlush();
    if (greyed) {
        const uint8_t tr = GetRValue(transparent), tg = GetGValue(transparent), tb = GetBValue(transparent);
        for (int row = 0; row < picture.Height; ++row) {
            uint8_t* p = picture.Bits + picture.Stride() * static_cast<size_t>(row);
            for (int col = 0; col < picture.Width; ++col, p += 3) {
                if (p[0] == tb && p[1] == tg && p[2] == tr) continue;
                auto grey = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
                // A grey that met the transparent colour would vanish: one step off it.
                if (grey == tr && grey == tg && grey == tb) grey = static_cast<uint8_t>(grey ^ 1);
                p[0] = p[1] = p[2] = grey;
            }
        }
    }
    TBitmapDC source(dc, picture.Bitmap.Get());
    if (!source) return;
    GdiTransparentBlt(dc, x, y, picture.Width, picture.Height, source.Get(), 0, 0, picture.Width, picture.Height,
                      transparent);
}

void DrawImage(HDC dc, int x, int y, const TImageList& images, int index, bool greyed) {
    TCellPicture picture;
    if (!MakePicture(picture, images.Width(), images.Height())) return;
    {
        TBitmapDC target(dc, picture.Bitmap.Get());
        if (!target) return;
        const RECT all{0, 0, picture.Width, picture.Height};
        SetBkColor(target.Get(), kMagenta);
        ExtTextOutW(target.Get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        if (!images.Draw(target.Get(), 0, 0, index)) return;
    }
    BlitPicture(dc, x, y, picture, kMagenta, greyed);
}

}  // namespace

TGlyphSource ReadGlyphSource(const TObject& control) {
    TGlyphSource s;
    s.Glyph = dynamic_cast<TGlyphBitmap*>(GetObjectProp(&control, "Glyph"));
    s.NumGlyphs = std::max(1, OrdOr(control, "NumGlyphs", 1));
    s.Images = dynamic_cast<TImageList*>(GetObjectProp(&control, "Images"));
    s.ImageIndex = OrdOr(control, "ImageIndex", -1);
    s.DisabledIndex = OrdOr(control, "DisabledIndex", -1);
    s.Side = GlyphSideFromName(GetEnumProp(&control, "Layout"));
    s.Margin = OrdOr(control, "Margin", -1);
    s.Spacing = OrdOr(control, "Spacing", 4);
    std::string alignment = GetEnumProp(&control, "Alignment");
    std::transform(alignment.begin(), alignment.end(), alignment.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    s.Centred = alignment == "tacenter";
    return s;
}

void DrawGlyphCell(HDC dc, int x, int y, const TGlyphBitmap& glyph, int cell, int count, bool greyed) {
    if (glyph.Empty() || count < 1) return;
    const int width = glyph.Width() / count, height = glyph.Height();
    if (width <= 0 || cell < 1 || cell > count) return;
    TCellPicture picture;
    if (!MakePicture(picture, width, height)) return;
    {
        TBitmapDC target(dc, picture.Bitmap.Get());
        TBitmapDC source(dc, glyph.Handle());
        if (!target || !source) return;
        BitBlt(target.Get(), 0, 0, width, height, source.Get(), (cell - 1) * width, 0, SRCCOPY);
    }
    BlitPicture(dc, x, y, picture, glyph.TransparentColor(), greyed);
}

POINT DrawGlyphAndCaption(HDC dc, const RECT& client, const TGlyphSource& source, const TGlyphFace& face,
                          const std::wstring& caption) {
    const TSize2 clientSize{client.right - client.left, client.bottom - client.top};
    TSize2 glyph;
    const bool strip = source.Glyph && !source.Glyph->Empty();
    const bool image = !strip && source.Images && source.ImageIndex != -1;
    if (strip) glyph = GlyphCellSize(source.Glyph->Width(), source.Glyph->Height(), source.NumGlyphs);
    else if (image)
        glyph = TSize2{source.Images->Width(), source.Images->Height()};

    std::wstring text = caption;
    const size_t bars = text.find(L"||");
    if (bars != std::wstring::npos) text.replace(bars, 2, L"\r\n");
    TSize2 textSize;
    if (!text.empty()) {
        const TRect box = GlyphTextBox(clientSize, glyph, source.Side);
        RECT measured{0, 0, std::max(0, box.Right - box.Left), std::max(0, box.Bottom - box.Top)};
        DrawFitText(dc, text, measured, DT_CALCRECT | DT_WORDBREAK);
        textSize = TSize2{measured.right - measured.left, measured.bottom - measured.top};
    }

    TGlyphLayoutInput in;
    in.Client = clientSize;
    in.Glyph = glyph;
    in.Text = textSize;
    in.Side = source.Side;
    in.Margin = source.Margin;
    in.Spacing = source.Spacing;
    in.Centred = source.Centred;
    in.Speed = face.Speed;
    const TGlyphPlacement at = LayOutGlyph(in);

    POINT placed{-1, -1};
    if (strip) {
        const int count = GlyphCount(source.NumGlyphs, source.Glyph->Width());
        const int cell = GlyphCellFor(face.WantedCell, source.NumGlyphs, source.Glyph->Width());
        // A strip without its own disabled cell shows the up cell greyed.
        const bool greyed = !face.Enabled && cell != gcDisabled;
        DrawGlyphCell(dc, client.left + at.GlyphX, client.top + at.GlyphY, *source.Glyph, cell, count, greyed);
        placed = POINT{at.GlyphX, at.GlyphY};
    } else if (image) {
        const int index = !face.Enabled && source.DisabledIndex != -1 ? source.DisabledIndex : source.ImageIndex;
        DrawImage(dc, client.left + at.GlyphX, client.top + at.GlyphY, *source.Images, index, !face.Enabled);
        placed = POINT{at.GlyphX, at.GlyphY};
    }

    if (!text.empty()) {
        // Measured to the pixel: no clipping to the measured box (descenders sit on its edge).
        UINT format = DT_WORDBREAK | DT_NOCLIP;
        if (source.Side == TGlyphSide::Right) format |= DT_RIGHT;
        if (source.Side == TGlyphSide::Top || source.Side == TGlyphSide::Bottom) format |= DT_CENTER;
        RECT r{client.left + at.TextX, client.top + at.TextY, client.left + at.TextX + textSize.Width,
               client.top + at.TextY + textSize.Height};
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const COLORREF oldColour = SetTextColor(dc, face.TextColour);
        DrawFitText(dc, text, r, format);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
        if (face.FocusRect) {
            InflateRect(&r, 2, 2);
            DrawFocusRect(dc, &r);
        }
    }
    return placed;
}

}  // namespace tw
