#include "skin/controls/SkinTabArrows.h"

#include <commctrl.h>

#include "framework/win/Graphics.h"
#include "skin/controls/ArrowHalves.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

// A small arrow of lines pointing the way of its half, centred in it.
void DrawArrowLines(HDC dc, const RECT& r, int direction, COLORREF colour) {
    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const TSelection selectPen = Select(dc, pen.Get());
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
            case 0:  // up
                MoveToEx(dc, cx - i, cy - 2 + i, nullptr), LineTo(dc, cx + i + 1, cy - 2 + i);
                break;
            case 1:  // down
                MoveToEx(dc, cx - i, cy + 1 - i, nullptr), LineTo(dc, cx + i + 1, cy + 1 - i);
                break;
            case 2:  // left
                MoveToEx(dc, cx - 2 + i, cy - i, nullptr), LineTo(dc, cx - 2 + i, cy + i + 1);
                break;
            default:  // right
                MoveToEx(dc, cx + 1 - i, cy - i, nullptr), LineTo(dc, cx + 1 - i, cy + i + 1);
                break;
        }
    }
}

}  // namespace

bool TSkinTabArrows::BeforeMessage(TMessage& message) {
    if (PaintWholeWindow(message)) return false;
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // The control starts its own stepping first; the arrow then shows pressed.
            CallPrevious(message);
            pressed_ = true;
            PaintFrame(nullptr);
            return false;
        }
        case WM_LBUTTONUP:
            pressed_ = false;
            CallPrevious(message);
            PaintFrame(nullptr);
            return false;
        default:
            break;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TSkinTabArrows::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_MOUSEMOVE:
            PaintFrame(nullptr);
            TrackLeave();
            break;
        case WM_MOUSELEAVE:
            pressed_ = false;
            PaintFrame(nullptr);
            break;
        default:
            break;
    }
    TControlSkinner::AfterMessage(message);
}

void TSkinTabArrows::DrawSkin(HDC dc, const RECT& rect) {
    if (!skinData_) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        FillFace(b, RECT{0, 0, width, height});

        const auto style = static_cast<uint32_t>(GetWindowLongPtrW(Handle(), GWL_STYLE));
        const bool horizontal = horizontal_ || (style & UDS_HORZ) != 0;
        const bool enabled = WindowEnabled();
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(Handle(), &cursor);
        const TArrowHalves h = SplitArrows(width, height, horizontal);
        const RECT halves[2] = {RECT{h.FirstLeft, h.FirstTop, h.FirstRight, h.FirstBottom},
                                RECT{h.SecondLeft, h.SecondTop, h.SecondRight, h.SecondBottom}};
        const TDataSkinBorder* object = horizontal ? skinData_->UpDownHorz.get() : skinData_->UpDownVert.get();
        for (int k = 0; k < 2; ++k) {
            const RECT& half = halves[k];
            const int state = ArrowState(enabled, PtInRect(&half, cursor) != 0, pressed_);
            if (object && !object->Image.Empty()) {
                const int frame = ArrowFrame(state, k == 1);
                TSliceOptions options;
                options.FrameCount = 8;
                options.FrameIndex = frame;
                DrawNineSlice(b, half, object->Image, options, object->Trans != 0);
                if (!object->SecondImage.Empty()) {
                    TSliceOptions glyph;
                    glyph.FrameCount = 8;
                    glyph.FrameIndex = frame;
                    DrawStripCentered(b, half, object->SecondImage, glyph, true);
                }
                continue;
            }
            // No up-down in the skin: a framed face button with a line arrow, in the skin's colours.
            const TSkinColours& c = skinData_->Colours;
            FillColour(b, half, ColorToRGB(ResolveColor(state == 2 || state == 4 ? c.ButtonShadow : c.ButtonFace)));
            const TBrushHandle edge(CreateSolidBrush(ColorToRGB(ResolveColor(c.ButtonDkShadow))));
            FrameRect(b, &half, edge.Get());
            const int direction = horizontal ? 2 + k : k;
            DrawArrowLines(b, half, direction, ColorToRGB(ResolveColor(state == 3 ? c.ButtonShadow : c.ButtonText)));
        }
    });
}

}  // namespace tw
