#include "skin/data/StripPieces.h"

#include <algorithm>

namespace tw {

namespace {

// Collects the pieces that have an area on both sides.
class TPieceList {
public:
    explicit TPieceList(const TRect& cell) : cell_(cell) {}
    // src relative to the cell.
    void Add(const TRect& src, const TRect& dst) {
        if (src.IsEmpty() || dst.IsEmpty()) return;
        pieces_.push_back({src.Offset(cell_.Left, cell_.Top), dst, false});
    }
    std::vector<TSlicePiece> Take() { return std::move(pieces_); }

private:
    TRect cell_;
    std::vector<TSlicePiece> pieces_;
};

bool Drawable(int width, int height, int imageWidth, int imageHeight) {
    return width > 0 && height > 0 && imageWidth > 0 && imageHeight > 0;
}

}  // namespace

std::vector<TSlicePiece> ThreeSlicePieces(int width, int height, int imageWidth, int imageHeight,
                                          const TSliceOptions& o) {
    if (!Drawable(width, height, imageWidth, imageHeight)) return {};
    const TRect cell = FrameCell(imageWidth, imageHeight, o.FrameCount, o.FrameIndex, o.Stacked);
    const int cw = cell.Width(), ch = cell.Height();
    const int L = std::clamp(o.LeftWidth, 0, cw), R = std::clamp(o.RightWidth, 0, cw);
    const int W = width, H = height;
    TPieceList list(cell);
    list.Add({0, 0, L, ch}, {0, 0, L, H});
    const int middle = cw - L - R;
    if (middle > 0) {
        for (int x = L; x < W - R; x += middle) {
            const int w = std::min(middle, W - R - x);
            list.Add({L, 0, L + w, ch}, {x, 0, x + w, H});
        }
    }
    list.Add({cw - R, 0, cw, ch}, {W - R, 0, W, H});
    return list.Take();
}

std::vector<TSlicePiece> StripFramePieces(int width, int height, int imageWidth, int imageHeight,
                                          const TSliceOptions& o) {
    if (!Drawable(width, height, imageWidth, imageHeight)) return {};
    const TRect cell = FrameCell(imageWidth, imageHeight, o.FrameCount, o.FrameIndex, false);
    TPieceList list(cell);
    list.Add({0, 0, cell.Width(), cell.Height()}, {0, 0, width, height});
    return list.Take();
}

std::vector<TSlicePiece> CenteredCellPieces(int width, int height, int imageWidth, int imageHeight,
                                            const TSliceOptions& o) {
    if (!Drawable(width, height, imageWidth, imageHeight)) return {};
    const TRect cell = FrameCell(imageWidth, imageHeight, o.FrameCount, o.FrameIndex, false);
    // Integer division in C++ truncates toward zero, so a cell wider than the destination
    // sticks out by the same amount on either side (one more column on the right when odd).
    const int x = (width - cell.Width()) / 2;
    const int y = (height - imageHeight) / 2;
    TPieceList list(cell);
    list.Add({0, 0, cell.Width(), cell.Height()}, {x, y, x + cell.Width(), y + cell.Height()});
    return list.Take();
}

std::vector<TSlicePiece> ThreePartStretchPieces(int width, int height, int imageWidth, int imageHeight,
                                                const TSliceOptions& o) {
    if (!Drawable(width, height, imageWidth, imageHeight)) return {};
    const TRect cell = FrameCell(imageWidth, imageHeight, o.FrameCount, o.FrameIndex, o.Stacked);
    const int cw = cell.Width(), ch = cell.Height();
    const int W = width, H = height;
    TPieceList list(cell);
    if (W < cw) {
        list.Add({0, 0, cw, ch}, {0, 0, W, H});
        return list.Take();
    }
    const int L = std::clamp(o.LeftWidth, 0, cw), R = std::clamp(o.RightWidth, 0, cw - L);
    list.Add({0, 0, L, ch}, {0, 0, L, H});
    list.Add({L, 0, cw - R, ch}, {L, 0, W - R, H});
    list.Add({cw - R, 0, cw, ch}, {W - R, 0, W, H});
    return list.Take();
}

std::vector<TSlicePiece> TilePieces(const TRect& dest, const TRect& source) {
    std::vector<TSlicePiece> pieces;
    if (source.IsEmpty() || dest.IsEmpty()) return pieces;
    const int sw = source.Width(), sh = source.Height();
    for (const auto& [x, y] : TilePositions(dest, sw, sh)) {
        const int w = std::min(sw, dest.Right - x), h = std::min(sh, dest.Bottom - y);
        pieces.push_back(
            {TRect(source.Left, source.Top, source.Left + w, source.Top + h), TRect(x, y, x + w, y + h), false});
    }
    return pieces;
}

}  // namespace tw
