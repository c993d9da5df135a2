#include "skin/controls/SkinEdit.h"

#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

void FrameWith(HDC dc, const RECT& rect, HBRUSH brush) {
    if (brush && rect.right > rect.left && rect.bottom > rect.top) FrameRect(dc, &rect, brush);
}

// The client's size against the window's: how much border the control has on each axis.
SIZE BorderOf(HWND window) {
    RECT w{}, c{};
    GetWindowRect(window, &w);
    GetClientRect(window, &c);
    return SIZE{(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
}

}  // namespace

bool TSkinEdit::BeforeMessage(TMessage& message) {
    if (message.Msg == SKM_PAINTCLIENT && message.LParam == SKM_MAGIC && message.WParam) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallPrevious(paint);
        message.Result = SKM_MAGIC;
        return false;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TSkinEdit::AfterMessage(TMessage& message) {
    if (message.Msg == WM_PRINTCLIENT) {
        PrintFrame(reinterpret_cast<HDC>(message.WParam));
        return;
    }
    TControlSkinner::AfterMessage(message);
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
    const SIZE border = BorderOf(Handle());
    if (border.cx <= 0 || border.cy <= 0) return;  // no edge to cover
    const TSavedDC saved = SaveState(dc);
    const TBrushHandle shadow(CreateSolidBrush(ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow))));
    FrameWith(dc, rect, shadow.Get());
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RECT inner = rect;
    for (int i = 0; i < 2; ++i) {
        InflateRect(&inner, -1, -1);
        FrameWith(dc, inner, white);
    }
}

void TSkinEdit::PrintFrame(HDC given) {
    try {
        const SIZE border = BorderOf(Handle());
        if (border.cx <= 2 || border.cy <= 2) return;
        RECT r{};
        GetWindowRect(Handle(), &r);
        OffsetRect(&r, -r.left, -r.top);
        const TWindowDC own = given ? TWindowDC() : WholeWindowDC(Handle());
        HDC dc = given ? given : own.Get();
        if (!dc) return;
        const TSavedDC saved = SaveState(dc);
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        FrameWith(dc, inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
        const TBrushHandle shadow(CreateSolidBrush(ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow))));
        FrameWith(dc, r, shadow.Get());
    } catch (...) {
    }
}

}  // namespace tw
