// The menu bar's geometry and keyboard rules.
#include "skin/data/MenuBarLayout.h"

#include <cwctype>

namespace tw {

int MenuBarStartOffset(const TMenuBarLook& look, int bandWidth) {
    if (!look.HasImage) return 6;
    const int offset = look.RightToLeft ? look.RightWidth + 8 : look.LeftWidth + 4;
    // A band too narrow for the image's margin starts close to its edge.
    return bandWidth < offset ? 12 : offset;
}

TRect MenuBarIconRect(const TRect& band, const TMenuBarLook& look, int iconSize) {
    if (band.IsEmpty() || look.LeadingIconWidth <= 0) return TRect();
    const int start = MenuBarStartOffset(look, band.Width());
    const int top = band.Top + (band.Height() - iconSize) / 2;
    const int left = look.RightToLeft ? band.Right - start - look.LeadingIconWidth : band.Left + start;
    return TRect(left, top, left + look.LeadingIconWidth, top + iconSize);
}

int MenuBarItemWidth(int textWidth) { return textWidth > 0 ? textWidth + 10 : 0; }

std::vector<TRect> LayoutMenuBar(const TRect& band, const std::vector<TMenuBarEntry>& items, const TMenuBarLook& look) {
    std::vector<TRect> bounds(items.size());
    if (band.IsEmpty()) return bounds;
    const int start = MenuBarStartOffset(look, band.Width()) + look.LeadingIconWidth;
    int x = look.RightToLeft ? band.Width() - start : start;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].Visible) continue;
        const int width = MenuBarItemWidth(items[i].TextWidth);
        if (look.RightToLeft) {
            x -= width;
            bounds[i] = TRect(band.Left + x, band.Top, band.Left + x + width, band.Bottom - 1);
        } else {
            bounds[i] = TRect(band.Left + x, band.Top, band.Left + x + width, band.Bottom - 1);
            x += width;
        }
    }
    return bounds;
}

int MenuBarItemAt(const std::vector<TRect>& bounds, const std::vector<TMenuBarEntry>& items, int x, int y) {
    for (size_t i = 0; i < bounds.size() && i < items.size(); ++i) {
        const TRect& r = bounds[i];
        if (!items[i].Caption.empty() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
            return static_cast<int>(i);
    }
    return -1;
}

wchar_t MenuAccelerator(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    }
    return 0;
}

int FindMenuAccelerator(const std::vector<TMenuBarEntry>& items, wchar_t character) {
    const wchar_t wanted = static_cast<wchar_t>(std::towupper(character));
    if (!wanted) return -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Enabled && items[i].Visible && MenuAccelerator(items[i].Caption) == wanted)
            return static_cast<int>(i);
    return -1;
}

int NeighbourMenuIndex(int open, int count, int step) {
    if (count <= 0) return -1;
    if (open < 0) return 0;
    return ((open + step) % count + count) % count;
}

}  // namespace tw
