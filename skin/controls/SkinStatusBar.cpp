#include "skin/controls/SkinStatusBar.h"

#include <commctrl.h>

#include <vector>

#include "framework/win/FitText.h"
#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "framework/win/StatusBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
    if (PaintWholeWindow(message)) return false;
    return TControlSkinner::BeforeMessage(message);
}

void TSkinStatusBar::DrawBevel(HDC dc, const RECT& rect, int bevel) const {
    const TDataSkinObject* edges = skinData_->StatusBarEdges.get();
    if (edges && !edges->Image.Empty()) {
        DrawSkinObject(dc, rect, 3, bevel, *edges);
        return;
    }
    if (bevel == 3) return;
    // Without the strip, a one-pixel 3D edge in the skin's own shadow and white.
    const COLORREF shadow = ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow));
    const COLORREF light = RGB(255, 255, 255);
    const COLORREF topLeft = bevel == 1 ? shadow : light, bottomRight = bevel == 1 ? light : shadow;
    FillColour(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    FillColour(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    FillColour(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    FillColour(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
    if (!skinData_) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        const RECT whole{0, 0, width, height};
        FillFace(b, whole);
        HWND bar = Handle();
        const auto font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
        const TSelection selectFont = Select(b, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(b, TRANSPARENT);
        const TDataSkinObject* edges = skinData_->StatusBarEdges.get();
        SetTextColor(b, edges ? ColorToRGB(ResolveColor(edges->NormalColour2))
                              : ColorToRGB(ResolveColor(skinData_->Colours.WindowText)));
        const bool rtl = (GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        auto drawText = [&](const std::wstring& text, RECT box, UINT align) {
            InflateRect(&box, -2, 0);
            const std::wstring shown = text.empty() ? L" " : text;
            DrawFitText(b, shown, box, TextFormat(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align));
        };
        auto* framework = dynamic_cast<TStatusBar*>(control_);
        const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
        if (SendMessageW(bar, SB_ISSIMPLE, 0, 0) || parts <= 0) {
            DrawBevel(b, whole, 1);
            std::wstring text = framework ? framework->SimpleText() : CaptionText();
            drawText(text, whole, rtl ? DT_RIGHT : DT_LEFT);
        } else {
            for (int i = 0; i < parts; ++i) {
                RECT box{};
                SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&box));
                box.right += 2;
                if (i == parts - 1) box.right = width;
                const auto info = static_cast<DWORD>(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(i), 0));
                const int type = HIWORD(info);
                const int bevel = (type & SBT_NOBORDERS) ? 3 : (type & SBT_POPOUT) ? 2 : 1;
                DrawBevel(b, box, bevel);
                if (type & SBT_OWNERDRAW) continue;
                std::vector<wchar_t> text(LOWORD(info) + 1u, L'\0');
                SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
                UINT align = DT_LEFT;
                if (framework && i < static_cast<int>(framework->Panels().size())) {
                    const TPanelAlignment a = framework->Panels()[static_cast<size_t>(i)].Alignment;
                    align = a == TPanelAlignment::paCenter  ? DT_CENTER
                            : a == TPanelAlignment::paRight ? DT_RIGHT
                                                            : DT_LEFT;
                }
                drawText(text.data(), box, align);
            }
        }
        const TDataSkinObject* extra = skinData_->ExtraImages.get();
        if ((GetWindowLongPtrW(bar, GWL_STYLE) & SBARS_SIZEGRIP) && extra && !extra->Image.Empty() &&
            extra->FrameCount >= 5) {
            const int cell = extra->Image.Width() / extra->FrameCount, cellHeight = extra->Image.Height();
            TSliceOptions options;
            options.FrameCount = extra->FrameCount;
            options.FrameIndex = 5;
            DrawStripFrame(b, RECT{width - 1 - cell, height - 1 - cellHeight, width - 1, height - 1}, extra->Image,
                           options, true);
        }
        if (control_) control_->PaintWindowlessChildren(b);
    });
}

}  // namespace tw
