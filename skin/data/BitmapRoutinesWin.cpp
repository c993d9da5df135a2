#include "skin/data/BitmapRoutinesWin.h"

#include "framework/win/Handles.h"
#include "skin/data/BitmapRoutines.h"
#include "skin/data/SystemInfo.h"

namespace tw {

void GradientFill(HDC dc, const RECT& rect, TColor c1, bool vertical, TColor c2) {
    if (!dc || !RectVisible(dc, &rect)) return;
    RECT clipBox{};
    if (GetClipBox(dc, &clipBox) == ERROR) return;
    const TRect r(rect.left, rect.top, rect.right, rect.bottom);
    const TRect clip(clipBox.left, clipBox.top, clipBox.right, clipBox.bottom);
    const TGradientSteps steps = GradientStepsInClip(r, clip, vertical);
    if (steps.Empty()) return;
    const int n = vertical ? r.Height() : r.Width();
    const std::vector<TColor> ramp = RampEntries(GradientRamp(n, ResolveColor(c1), ResolveColor(c2)));
    for (int i = steps.First; i <= steps.Last && i < static_cast<int>(ramp.size()); ++i) {
        RECT band = vertical ? RECT{r.Left, r.Top + i, r.Right, r.Top + i + 1}
                             : RECT{r.Left + i, r.Top, r.Left + i + 1, r.Bottom};
        const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ramp[static_cast<size_t>(i)])));
        if (brush) FillRect(dc, &band, brush.Get());
    }
}

std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
    return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace tw
