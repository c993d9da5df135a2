#include "skin/controls/SkinTabBtn.h"

#include <commctrl.h>

#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "skin/controls/TabButtonFrame.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"

namespace tw {

bool TSkinTabBtn::BeforeMessage(TMessage& message) {
    if (PaintWholeWindow(message)) return false;
    return TControlSkinner::BeforeMessage(message);
}

int TSkinTabBtn::TabAt(POINT point) const {
    TCHITTESTINFO hit{};
    hit.pt = point;
    return static_cast<int>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TSkinTabBtn::AfterMessage(TMessage& message) {
    FollowHotItem(message, hotTab_, [this](POINT point) { return TabAt(point); });
    switch (message.Msg) {
        case WM_LBUTTONUP:
        case WM_KEYUP:
            Repaint();  // the selection may have moved
            break;
        default:
            break;
    }
    TControlSkinner::AfterMessage(message);
}

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
    if (!skinData_ || !skinData_->Buttons || skinData_->Buttons->Image.Empty()) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        FillFace(b, RECT{0, 0, width, height});

        HWND window = Handle();
        const TDataSkinButton& button = *skinData_->Buttons;
        const auto style = static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        const TSelection selectFont = Select(b, font);
        SetBkMode(b, TRANSPARENT);
        const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
        const int selected = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
        TTabButtonLook look;
        look.Enabled = WindowEnabled();
        look.Flat = (style & TCS_FLATBUTTONS) != 0;
        for (int i = 0; i < count; ++i) {
            RECT r{};
            if (!SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
            look.Selected = i == selected;
            look.Hot = i == hotTab_;
            const int frame = TabButtonFrame(look);
            if (TabButtonDrawn(look)) DrawSkinObject(b, r, kButtonFrameCount, frame, button);
            TColor colour = skinData_->Colours.ButtonText;
            if (frame == bfNormal && button.HasNormalColour2) colour = button.NormalColour2;
            if (frame == bfHot && button.HasMouseOverColour2) colour = button.MouseOverColour2;
            if (frame == bfPressed && button.HasPressedColour2) colour = button.PressedColour2;
            if (!look.Enabled) colour = skinData_->Colours.ButtonShadow;
            SetTextColor(b, ColorToRGB(ResolveColor(colour)));
            wchar_t text[81] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 80;
            SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            if (frame == bfPressed) OffsetRect(&r, 1, 1);
            DrawFitText(b, text, r, TextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
            if (look.Selected && Focused()) {
                RECT f = r;
                InflateRect(&f, -3, -3);
                SetTextColor(b, ColorToRGB(ResolveColor(colour)));
                DrawFocusRect(b, &f);
            }
        }
        if (TWinControl* control = FrameworkControl()) control->PaintWindowlessChildren(b);
    });
}

}  // namespace tw
