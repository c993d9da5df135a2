#include "skin/controls/SkinTabSheet.h"

#include "framework/win/Control.h"
#include "skin/form/BitmapDC.h"

namespace tw {

bool TSkinTabSheet::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintMessage(message);
            return false;
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(Handle(), &r);
            FillFace(reinterpret_cast<HDC>(message.WParam), r);
            message.Result = 1;
            return false;
        }
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        FillFace(b, RECT{0, 0, width, height});
        if (control_) control_->PaintWindowlessChildren(b);
    });
}

}  // namespace tw
