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
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const HBITMAP bitmap = buffer_.For(dc, width, height);
    if (!bitmap) return;
    TBitmapDC buffer(dc, bitmap);
    if (!buffer) return;
    HDC b = buffer.Get();
    FillFace(b, RECT{0, 0, width, height});
    if (control_) control_->PaintWindowlessChildren(b);
    BitBlt(dc, rect.left, rect.top, width, height, b, 0, 0, SRCCOPY);
}

}  // namespace tw
