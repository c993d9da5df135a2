// Geometry and keyboard rules of the skinned menu bar: where the top-level items lie in the
// band, which item a point or an accelerator picks, and the neighbour a Left or Right opens.
#pragma once

#include <string>
#include <vector>

#include "skin/data/Rect.h"

namespace tw {

// One top-level item as the bar lays it out; TextWidth is its caption measured in the menu font.
struct TMenuBarEntry {
    std::wstring Caption;  // with its "&" accelerator mark
    int TextWidth = 0;
    bool Enabled = true;
    bool Visible = true;
};

// What the skin's MenuBar object says of the band; HasImage false without one.
struct TMenuBarLook {
    bool HasImage = false;
    int LeftWidth = 0, RightWidth = 0;
    bool RightToLeft = false;
    // A maximised MDI child's system-menu icon leads the band: this much comes before the
    // first item (0 without one).
    int LeadingIconWidth = 0;
};

// The x where the first item starts, from the band's leading edge.
int MenuBarStartOffset(const TMenuBarLook& look, int bandWidth);
// Where the maximised MDI child's icon lies (window coordinates): at the band's leading edge,
// LeadingIconWidth wide and iconSize high, centred on the band's height; empty without one.
TRect MenuBarIconRect(const TRect& band, const TMenuBarLook& look, int iconSize);
// An item's width: its caption with 10 pixels of air, nothing for an empty caption.
int MenuBarItemWidth(int textWidth);
// Every item's bounds in window coordinates; an invisible item gets an empty rectangle. The
// bounds stop one pixel above the band's bottom.
std::vector<TRect> LayoutMenuBar(const TRect& band, const std::vector<TMenuBarEntry>& items, const TMenuBarLook& look);

// The first item under the point whose caption is not empty, or -1.
int MenuBarItemAt(const std::vector<TRect>& bounds, const std::vector<TMenuBarEntry>& items, int x, int y);
// The accelerator of a caption, upper-cased: the character after a single "&" ("&&" is a
// literal ampersand), or 0.
wchar_t MenuAccelerator(const std::wstring& caption);
// The first enabled, visible item with that accelerator (either case), or -1.
int FindMenuAccelerator(const std::vector<TMenuBarEntry>& items, wchar_t character);
// The item a Left (step -1) or Right (step 1) opens from the open one, wrapping at both ends.
int NeighbourMenuIndex(int open, int count, int step);

}  // namespace tw
