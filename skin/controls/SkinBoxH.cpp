#include "skin/controls/SkinBoxH.h"

#include "framework/win/Handles.h"
#include "skin/controls/ComboLayout.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

// The frame of the skin's extra images that shows a size grip.
constexpr int kGripFrame = 5;

}  // namespace

bool TSkinBoxH::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetWindowRect(Handle(), &r);
            OffsetRect(&r, -r.left, -r.top);
            FillFace(reinterpret_cast<HDC>(message.WParam), r);
            message.Result = 1;  // erased: the dialog's own erase must not paint over the face
            return false;
        }
        case WM_CTLCOLORSTATIC: {
            CallPrevious(message);
            // The statics then fill their background with the face, and their text sits on it.
            if (auto* face = static_cast<HBRUSH>(skinData_ ? skinData_->FFaceBrush() : nullptr)) {
                SetBkColor(reinterpret_cast<HDC>(message.WParam), FaceColour());
                message.Result = reinterpret_cast<LRESULT>(face);
            }
            return false;
        }
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

bool TSkinSizer::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            PaintMessage(message);
            return false;
        case WM_ERASEBKGND:
            message.Result = 1;  // the paint covers the grip
            return false;
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
    FillFace(dc, rect);
    const TDataSkinObject* extra = skinData_ ? skinData_->ExtraImages.get() : nullptr;
    if (!extra || extra->Image.Empty() || extra->FrameCount < kGripFrame) return;
    const int width = extra->Image.Width() / extra->FrameCount, height = extra->Image.Height();
    // The grip's corner is the window's bottom right; its cell is drawn unscaled there.
    const RECT cell{rect.right - width, rect.bottom - height, rect.right, rect.bottom};
    TSliceOptions options;
    options.FrameCount = extra->FrameCount;
    options.FrameIndex = ClampFrame(kGripFrame, extra->FrameCount);
    DrawStripFrame(dc, cell, extra->Image, options, true);
}

}  // namespace tw
