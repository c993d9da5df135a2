#include "skin/controls/ComboLayout.h"

namespace tw {

TComboParts ComboParts(const TRect& r, int a, bool buttonLeft) {
    TComboParts p;
    if (buttonLeft) {
        p.Text = TRect(r.Left + a + 4, r.Top + 2, r.Right - 2, r.Bottom - 2);
        p.Button = TRect(r.Left, r.Top, r.Left + a + 2, r.Bottom);
        p.Arrow = TRect(r.Left + 2, r.Top, r.Left + a + 2, r.Bottom);
    } else {
        p.Text = TRect(r.Left + 2, r.Top + 2, r.Right - a - 4, r.Bottom - 2);
        p.Button = TRect(r.Right - a - 2, r.Top, r.Right, r.Bottom);
        p.Arrow = TRect(r.Right - a - 2, r.Top, r.Right - 2, r.Bottom);
    }
    return p;
}

TPlainComboParts PlainComboParts(const TRect& r, int thumb, int cellWidth, int cellHeight, bool buttonLeft) {
    TPlainComboParts p;
    p.Inner = TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    const TRect& in = p.Inner;
    p.Strip = buttonLeft ? TRect(in.Left, in.Top, in.Left + thumb, in.Bottom)
                         : TRect(in.Right - thumb, in.Top, in.Right, in.Bottom);
    p.Cell = buttonLeft ? TRect(in.Left, in.Top, in.Left + cellWidth, in.Bottom)
                        : TRect(in.Right - cellWidth, in.Top, in.Right, in.Bottom);
    if (cellHeight > 0 && cellHeight < thumb) p.Cell.Bottom = p.Cell.Top + cellHeight;
    return p;
}

TRect CentredCell(const TRect& area, int w, int h) {
    const int left = area.Left + (area.Width() - w) / 2;
    const int top = area.Top + (area.Height() - h) / 2;
    return TRect(left, top, left + w, top + h);
}

}  // namespace tw
