#include "skin/form/MdiClientEdge.h"

#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"

namespace tw {

namespace {

// One ring of the edge: its top and left lines in one colour, its bottom and right in another.
void Ring(HDC dc, const RECT& r, TColor topLeft, TColor bottomRight) {
    if (r.right - r.left < 2 || r.bottom - r.top < 2) return;
    const TBrushHandle light(CreateSolidBrush(ColorToRGB(ResolveColor(topLeft))));
    const TBrushHandle dark(CreateSolidBrush(ColorToRGB(ResolveColor(bottomRight))));
    const RECT top{r.left, r.top, r.right - 1, r.top + 1};
    const RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    const RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, light.Get());
    FillRect(dc, &left, light.Get());
    FillRect(dc, &bottom, dark.Get());
    FillRect(dc, &right, dark.Get());
}

}  // namespace

void PaintMdiClientEdge(HWND client, const TSkinData& data) {
    if (!client || !(GetWindowLongPtrW(client, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
    const TWindowDC dc = WholeWindowDC(client);
    if (!dc) return;
    RECT r{};
    GetWindowRect(client, &r);
    OffsetRect(&r, -r.left, -r.top);
    // Sunken as the system draws it, in the skin's colours: shadow outside, dark shadow inside.
    Ring(dc.Get(), r, data.Colours.ButtonShadow, data.Colours.ButtonHilight);
    InflateRect(&r, -1, -1);
    Ring(dc.Get(), r, data.Colours.ButtonDkShadow, data.Colours.ButtonFace);
}

}  // namespace tw
