#include "skin/controls/SkinProgress.h"

#include <commctrl.h>

#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

bool TSkinProgress::HasImage() const { return skinData_ && skinData_->Progress && !skinData_->Progress->Image.Empty(); }

bool TSkinProgress::BeforeMessage(TMessage& message) {
    if (HasImage() && PaintWholeWindow(message)) return false;
    return TControlSkinner::BeforeMessage(message);
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasImage() || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const TDataSkinObject& bar = *skinData_->Progress;
    const TDataSkinObject* chunk = skinData_->ProgressChunk.get();
    const bool chunkStyle = bar.Style == 1 && chunk && !chunk->Image.Empty();
    const bool vertical = (GetWindowLongPtrW(Handle(), GWL_STYLE) & PBS_VERTICAL) != 0;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        const RECT whole{0, 0, width, height};
        FillFace(b, whole);

        TSliceOptions options;
        options.FrameCount = chunkStyle ? 1 : 2;
        options.FrameIndex = 1;
        options.Tile = !chunkStyle && bar.Tile == 1;
        options.LeftWidth = bar.LeftWidth;
        options.TopHeight = bar.TopHeight;
        options.RightWidth = bar.RightWidth;
        options.BottomHeight = bar.BottomHeight;
        DrawNineSlice(b, whole, bar.Image, options, true);

        const int pos = static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
        const int max = static_cast<int>(SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0));
        // A vertical bar fills upwards over its height; a horizontal one rightwards.
        const int length = vertical ? height : width;
        if (!chunkStyle) {
            const int fill = ProgressFill(length, pos, max);
            if (fill > 0) {
                options.FrameIndex = 2;
                const RECT filled = vertical ? RECT{0, height - fill, width, height} : RECT{0, 0, fill, height};
                DrawNineSlice(b, filled, bar.Image, options, true);
            }
        } else {
            const int fill = ProgressFill(length - 4, pos, max);
            if (fill > 0) {
                const int cw = chunk->Image.Width(), ch = chunk->Image.Height();
                if (chunk->Tile == 1 && !vertical) {
                    const int offset = (height - ch) / 2;
                    TileBitmap(b, RECT{2, offset, 2 + fill, offset + ch}, chunk->Image, RECT{0, 0, cw, ch});
                } else {
                    TSliceOptions pieces;
                    pieces.Tile = chunk->Tile == 1;
                    pieces.LeftWidth = chunk->LeftWidth;
                    pieces.TopHeight = chunk->TopHeight;
                    pieces.RightWidth = chunk->RightWidth;
                    pieces.BottomHeight = chunk->BottomHeight;
                    const RECT filled = vertical ? RECT{2, height - 2 - fill, width - 2, height - 2}
                                                 : RECT{2, 2, 2 + fill, height - 2};
                    DrawNineSlice(b, filled, chunk->Image, pieces, false);
                }
            }
        }
    });
}

}  // namespace tw
