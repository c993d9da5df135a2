#include "skin/controls/SkinMenuButton.h"

#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"

namespace tw {

void TSkinMenuButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasImage() || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const TDataSkinButton& button = *skinData_->Buttons;
    const bool enabled = WindowEnabled(), focused = Focused();
    int frame = bfNormal;
    if (!enabled) frame = bfDisabled;
    else if (mouseState_ & msPressed)
        frame = bfPressed;
    else if (focused || (mouseState_ & msHot))
        frame = bfHot;
    lastMenuFrame_ = frame;

    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const HBITMAP bitmap = menuBuffer_.For(dc, width, height);
    if (!bitmap) return;
    TBitmapDC buffer(dc, bitmap);
    if (!buffer) return;
    HDC b = buffer.Get();
    const RECT local{0, 0, width, height};
    FillFace(b, local);
    DrawSkinObject(b, local, kButtonFrameCount, frame, button);

    HFONT font = control_ ? control_->Font().Handle()
                          : reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const TSelection selectFont = Select(b, font);
    TColor colour = control_ ? control_->Font().Color() : skinData_->Colours.ButtonText;
    if (frame == bfNormal && button.HasNormalColour2) colour = button.NormalColour2;
    if (frame == bfHot && button.HasMouseOverColour2) colour = button.MouseOverColour2;
    if (frame == bfPressed && button.HasPressedColour2) colour = button.PressedColour2;
    if (!enabled) colour = skinData_->Colours.ButtonShadow;
    const COLORREF rgb = ColorToRGB(ResolveColor(colour));

    std::wstring text = CaptionText();
    const size_t bars = text.find(L"||");
    if (bars != std::wstring::npos) text.replace(bars, 2, L"\r\n");
    RECT box{2, 2, width - kArrowWidth - 2, height - 2};
    if (!text.empty() && box.right > box.left) {
        RECT measured = box;
        DrawFitText(b, text, measured, DT_CALCRECT | DT_WORDBREAK);
        const int tw = measured.right - measured.left, th = measured.bottom - measured.top;
        const int x = (width - kArrowWidth - tw) / 2 + 2, y = (height - th + 1) / 2;
        RECT at{x, y, x + tw, y + th};
        const int oldMode = SetBkMode(b, TRANSPARENT);
        SetTextColor(b, rgb);
        DrawFitText(b, text, at, TextFormat(DT_WORDBREAK));
        SetBkMode(b, oldMode);
        if (focused && !InSet(skinData_->Options, xoNoFocusRect)) {
            InflateRect(&at, 2, 2);
            DrawFocusRect(b, &at);
        }
    }

    // The drop arrow, in the caption's colour so that it follows the skin.
    const POINT arrow[] = {{width - 12, height / 2 + 2}, {width - 15, height / 2 - 1}, {width - 9, height / 2 - 1}};
    TBrushHandle fill(CreateSolidBrush(rgb));
    TPenHandle edge(CreatePen(PS_SOLID, 1, rgb));
    {
        const TSelection brush = Select(b, fill.Get());
        const TSelection pen = Select(b, edge.Get());
        Polygon(b, arrow, 3);
    }
    BitBlt(dc, rect.left, rect.top, width, height, b, 0, 0, SRCCOPY);
}

}  // namespace tw
