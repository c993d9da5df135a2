#include "skin/controls/SkinDateTime.h"

#include "framework/win/Graphics.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"

namespace tw {

void TSkinDateTime::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    if (Attached()) return;
    TControlSkinner::AttachControl(form, data, control, recolour);
    PlaceArrow();
}

void TSkinDateTime::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    if (Attached()) return;
    TControlSkinner::AttachWindow(window, data, form);
    PlaceArrow();
}

void TSkinDateTime::PlaceArrow() {
    if (!Attached() || !skinData_) return;
    arrow_ = std::make_unique<TArrowButton>();
    arrow_->Place(Handle(), *skinData_);
}

void TSkinDateTime::Detach() {
    arrow_.reset();  // the button goes with the skin, the picker's own arrow shows again
    TControlSkinner::Detach();
}

bool TSkinDateTime::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND && message.WParam && !WindowEnabled()) {
        // A disabled picker fills its field with the system's face, asking no one: the skin's here.
        RECT client{};
        GetClientRect(Handle(), &client);
        FillFace(reinterpret_cast<HDC>(message.WParam), client);
        message.Result = 1;
        return false;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (client.right >= width && client.bottom >= height) return;  // no border to cover
    const COLORREF shadow = ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow));
    const COLORREF white = RGB(255, 255, 255);
    RECT outer = rect;
    for (int ring = 0; ring < 2; ++ring) {
        const COLORREF colour = ring == 0 ? shadow : white;
        FillColour(dc, RECT{outer.left, outer.top, outer.right, outer.top + 1}, colour);
        FillColour(dc, RECT{outer.left, outer.bottom - 1, outer.right, outer.bottom}, colour);
        FillColour(dc, RECT{outer.left, outer.top, outer.left + 1, outer.bottom}, colour);
        FillColour(dc, RECT{outer.right - 1, outer.top, outer.right, outer.bottom}, colour);
        InflateRect(&outer, -1, -1);
    }
}

}  // namespace tw
