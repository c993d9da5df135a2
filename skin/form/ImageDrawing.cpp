#include "skin/form/ImageDrawing.h"

#include <vector>

#include "skin/data/StripPieces.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/TransparentCopy.h"

namespace tw {

namespace {

TRect ToRect(const RECT& r) { return TRect(r.left, r.top, r.right, r.bottom); }

bool Unscaled(const TSlicePiece& piece) {
    return piece.Source.Width() == piece.Dest.Width() && piece.Source.Height() == piece.Dest.Height();
}

// Whether the pieces of a drawing leave parts of its rectangle uncovered: those parts must show
// what the DC held (or nothing, when drawn transparently).
enum class TCoverage { Whole, Partial };

// Copies the pieces (Dest relative to rect's top-left) from image to dc: one unscaled piece
// straight, anything else through a buffer of rect's size that is copied once.
void CopyPieces(HDC dc, const RECT& rect, const TBitmap& image, const std::vector<TSlicePiece>& pieces,
                bool transparent, TCoverage coverage) {
    if (!dc || pieces.empty() || image.Empty()) return;
    TBitmapDC source(dc, image);
    if (!source) return;
    const int left = rect.left, top = rect.top;
    if (pieces.size() == 1 && !pieces[0].Tiled && Unscaled(pieces[0])) {
        const TRect d = pieces[0].Dest.Offset(left, top), s = pieces[0].Source;
        if (transparent)
            KeyedCopy(dc, d.Left, d.Top, d.Width(), d.Height(), source.Get(), s.Left, s.Top, kColorMagenta);
        else
            BitBlt(dc, d.Left, d.Top, d.Width(), d.Height(), source.Get(), s.Left, s.Top, SRCCOPY);
        return;
    }
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    TBitmap buffer(w, h);
    if (buffer.Empty()) return;
    TBitmapDC composed(dc, buffer);
    if (!composed) return;
    if (transparent) buffer.Fill(kColorMagenta);
    else if (coverage == TCoverage::Partial)
        BitBlt(composed.Get(), 0, 0, w, h, dc, left, top, SRCCOPY);
    // Pixels are dropped or repeated, never blended: blending would smear the magenta key.
    SetStretchBltMode(composed.Get(), COLORONCOLOR);
    auto copy = [&](const TSlicePiece& p) {
        const TRect& d = p.Dest;
        const TRect& s = p.Source;
        if (s.IsEmpty() || d.IsEmpty()) return;
        if (Unscaled(p))
            BitBlt(composed.Get(), d.Left, d.Top, d.Width(), d.Height(), source.Get(), s.Left, s.Top, SRCCOPY);
        else
            StretchBlt(composed.Get(), d.Left, d.Top, d.Width(), d.Height(), source.Get(), s.Left, s.Top, s.Width(),
                       s.Height(), SRCCOPY);
    };
    for (const TSlicePiece& piece : pieces) {
        if (!piece.Tiled) {
            copy(piece);
            continue;
        }
        for (const TSlicePiece& tile : TilePieces(piece.Dest, piece.Source)) copy(tile);
    }
    if (transparent) KeyedCopy(dc, left, top, w, h, composed.Get(), 0, 0, kColorMagenta);
    else
        BitBlt(dc, left, top, w, h, composed.Get(), 0, 0, SRCCOPY);
}

// Runs one drawing; the routines are called from window procedures and must not throw.
template <class Draw>
void Guarded(Draw draw) noexcept {
    try {
        draw();
    } catch (...) {
    }
}

// The pieces of one skin-image layout for a rectangle of the given size.
using TPieceLayout = std::vector<TSlicePiece> (*)(int width, int height, int imageWidth, int imageHeight,
                                                  const TSliceOptions& options);

// Lays the image out over the rectangle and copies the pieces, whatever goes wrong inside.
void DrawLayout(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent,
                TCoverage coverage, TPieceLayout layout) noexcept {
    Guarded([&] {
        const int w = rect.right - rect.left, h = rect.bottom - rect.top;
        CopyPieces(dc, rect, image, layout(w, h, image.Width(), image.Height(), options), transparent, coverage);
    });
}

}  // namespace

void DrawNineSlice(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent) {
    DrawLayout(dc, rect, image, options, transparent, TCoverage::Whole, &NineSlicePieces);
}

void DrawThreeSlice(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent) {
    DrawLayout(dc, rect, image, options, transparent, TCoverage::Partial, &ThreeSlicePieces);
}

void DrawStripFrame(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent) {
    DrawLayout(dc, rect, image, options, transparent, TCoverage::Whole, &StripFramePieces);
}

void DrawStripCentered(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options, bool transparent) {
    DrawLayout(dc, rect, image, options, transparent, TCoverage::Partial, &CenteredCellPieces);
}

void DrawThreePartStretch(HDC dc, const RECT& rect, const TBitmap& image, const TSliceOptions& options) {
    // Caps wider than the cell leave the middle out, and a gap where it would be.
    DrawLayout(dc, rect, image, options, false, TCoverage::Partial, &ThreePartStretchPieces);
}

void TileBitmap(HDC dc, const RECT& dest, const TBitmap& image, const RECT& source) {
    Guarded([&] {
        const TRect d = ToRect(dest);
        const TRect s = ToRect(source).Intersect(TRect(0, 0, image.Width(), image.Height()));
        if (d.IsEmpty()) return;
        std::vector<TSlicePiece> pieces = TilePieces(TRect(0, 0, d.Width(), d.Height()), s);
        CopyPieces(dc, dest, image, pieces, false, TCoverage::Whole);
    });
}

}  // namespace tw
