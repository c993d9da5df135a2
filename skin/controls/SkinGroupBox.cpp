#include "skin/controls/SkinGroupBox.h"

#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"

namespace tw {

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
    if (!control_) return TControlSkinner::BeforeMessage(message);
    if (PaintWholeWindow(message)) return false;
    return TControlSkinner::BeforeMessage(message);
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
    if (!control_ || rect.right <= rect.left || rect.bottom <= rect.top) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        FillFace(b, RECT{0, 0, width, height});

        const TSelection selectFont = Select(b, control_->Font().Handle());
        TEXTMETRICW tm{};
        GetTextMetricsW(b, &tm);
        const int top = tm.tmHeight / 2 - 1;
        {
            const TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow))));
            const TSelection selectPen = Select(b, pen.Get());
            const TSelection selectBrush = Select(b, GetStockObject(NULL_BRUSH));
            RoundRect(b, 1, top, width - 1, height - 1, 5, 5);
        }
        const std::wstring text = CaptionText();
        if (!text.empty()) {
            // The caption sits on the line, on the face, as a group box's caption does.
            const UINT format = TextFormat(DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
            const SIZE extent = MeasureFitText(b, text, 0, format);
            const bool right = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
            RECT box = right ? RECT{width - 8 - extent.cx - 4, 0, width - 8, tm.tmHeight}
                             : RECT{8, 0, 8 + extent.cx + 4, tm.tmHeight};
            FillFace(b, box);
            InflateRect(&box, -2, 0);
            SetBkMode(b, TRANSPARENT);
            const bool enabled = control_->EffectivelyEnabled();
            SetTextColor(
                b, ColorToRGB(enabled ? control_->Font().Color() : ResolveColor(skinData_->Colours.ButtonShadow)));
            DrawFitText(b, text, box, format | (right ? DT_RIGHT : DT_LEFT));
        }
        control_->PaintWindowlessChildren(b);
    });
}

}  // namespace tw
