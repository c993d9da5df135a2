#include "skin/data/NineSlice.h"

#include <algorithm>
#include <cstring>

#include "skin/data/StripPieces.h"

namespace tw {

TRect FrameCell(int imageWidth, int imageHeight, int frameCount, int frameIndex, bool stacked) {
    const int n = std::max(frameCount, 1);
    const int i = std::clamp(frameIndex, 1, n);
    if (stacked) {
        const int h = imageHeight / n;
        return {0, h * (i - 1), imageWidth, h * i};
    }
    const int w = imageWidth / n;
    return {w * (i - 1), 0, w * i, imageHeight};
}

std::vector<TSlicePiece> NineSlicePieces(int width, int height, int imageWidth, int imageHeight,
                                         const TSliceOptions& o) {
    std::vector<TSlicePiece> pieces;
    if (width <= 0 || height <= 0) return pieces;
    const TRect cell = FrameCell(imageWidth, imageHeight, o.FrameCount, o.FrameIndex, o.Stacked);
    const int cw = cell.Width(), ch = cell.Height();
    int L = std::max(o.LeftWidth, 0), R = std::max(o.RightWidth, 0);
    int T = std::max(o.TopHeight, 0), B = std::max(o.BottomHeight, 0);
    if (width < L + R) L = R = 0;
    if (height < T + B) T = B = 0;
    const int W = width, H = height;
    auto add = [&](TRect src, TRect dst, bool tiled = false) {
        pieces.push_back({src.Offset(cell.Left, cell.Top), dst, tiled});
    };
    if (L * T > 0) add({0, 0, L, T}, {0, 0, L, T});
    if (L * B > 0) add({0, ch - B, L, ch}, {0, H - B, L, H});
    if (R * T > 0) add({cw - R, 0, cw, T}, {W - R, 0, W, T});
    if (L > 0) add({0, T, L, ch - B}, {0, T, L, H - B});
    if (T > 0) add({L, 0, cw - R, T}, {L, 0, W - R, T});
    add({L, T, cw - R, ch - B}, {L, T, W - R, H - B}, o.Tile);
    if (R * B > 0) add({cw - R, ch - B, cw, ch}, {W - R, H - B, W, H});
    if (R > 0) add({cw - R, T, cw, ch - B}, {W - R, T, W, H - B});
    if (B > 0) add({L, ch - B, cw - R, ch}, {L, H - B, W - R, H});
    return pieces;
}

std::vector<std::pair<int, int>> TilePositions(const TRect& dest, int tileWidth, int tileHeight) {
    std::vector<std::pair<int, int>> at;
    if (tileWidth <= 0 || tileHeight <= 0) return at;
    for (int x = dest.Left; x < dest.Right; x += tileWidth)
        for (int y = dest.Top; y < dest.Bottom; y += tileHeight) at.emplace_back(x, y);
    return at;
}

void StretchCopy(TBitmap& target, const TRect& dst, const TBitmap& image, const TRect& src, bool transparent,
                 TColor key) {
    const int dw = dst.Width(), dh = dst.Height(), sw = src.Width(), sh = src.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || target.BitCount() != 24 || image.Empty()) return;
    const bool direct = image.BitCount() == 24;
    const TRect visible = dst.Intersect(TRect(0, 0, target.Width(), target.Height()));
    const auto kr = static_cast<uint8_t>(RedOf(key)), kg = static_cast<uint8_t>(GreenOf(key)),
               kb = static_cast<uint8_t>(BlueOf(key));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy = src.Top + static_cast<int>((int64_t(2 * (y - dst.Top) + 1) * sh) / (2 * int64_t(dh)));
        if (sy < 0 || sy >= image.Height()) continue;
        uint8_t* out = target.ScanLine(y);
        const uint8_t* in = direct ? image.ScanLine(sy) : nullptr;
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int sx = src.Left + static_cast<int>((int64_t(2 * (x - dst.Left) + 1) * sw) / (2 * int64_t(dw)));
            if (sx < 0 || sx >= image.Width()) continue;
            uint8_t px[3];
            if (direct) {
                std::memcpy(px, in + 3 * sx, 3);
            } else {
                TColor c = image.Pixel(sx, sy);
                px[0] = static_cast<uint8_t>(BlueOf(c));
                px[1] = static_cast<uint8_t>(GreenOf(c));
                px[2] = static_cast<uint8_t>(RedOf(c));
            }
            if (transparent && px[0] == kb && px[1] == kg && px[2] == kr) continue;
            std::memcpy(out + 3 * x, px, 3);
        }
    }
}

TBitmap ComposeNineSlice(int width, int height, const TBitmap& image, const TSliceOptions& options) {
    TBitmap result;
    if (width <= 0 || height <= 0 || !result.SetSize(width, height)) return result;
    if (image.Empty()) return result;
    for (const TSlicePiece& piece : NineSlicePieces(width, height, image.Width(), image.Height(), options)) {
        if (!piece.Tiled) {
            StretchCopy(result, piece.Dest, image, piece.Source);
            continue;
        }
        for (const TSlicePiece& tile : TilePieces(piece.Dest, piece.Source))
            StretchCopy(result, tile.Dest, image, tile.Source);
    }
    return result;
}

void DrawNineSliceTo(TBitmap& target, const TRect& rect, const TBitmap& image, const TSliceOptions& options,
                     bool transparent) {
    if (image.Empty() || rect.Right < rect.Left || rect.Bottom < rect.Top) return;
    TBitmap piece = ComposeNineSlice(rect.Width(), rect.Height(), image, options);
    if (piece.Empty()) return;
    StretchCopy(target, rect, piece, TRect(0, 0, piece.Width(), piece.Height()), transparent);
}

void DrawStripCenteredTo(TBitmap& target, const TRect& rect, const TBitmap& image, bool transparent, int frameCount,
                         int frameIndex) {
    TSliceOptions options;
    options.FrameCount = frameCount;
    options.FrameIndex = frameIndex;
    for (const TSlicePiece& piece :
         CenteredCellPieces(rect.Width(), rect.Height(), image.Width(), image.Height(), options))
        StretchCopy(target, piece.Dest.Offset(rect.Left, rect.Top), image, piece.Source, transparent);
}

}  // namespace tw
