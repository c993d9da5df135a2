// Geometry of an owner-drawn menu item: the widths the skin adds when the item is measured, and
// where its image box, caption and shortcut go inside the item's rectangle.
#pragma once

#include "skin/data/Rect.h"

namespace tw {

// Which menu the measured item belongs to.
enum class TMenuItemHome { ihMainMenu, ihPopupMenu };

// The width added to an item's own measure: room for the image (or the check mark when the menu
// has no images) and the MenuItem object's left margin.
int MenuItemExtraWidth(TMenuItemHome home, bool hasImages, int skinLeftWidth);

// The size of an item read from a menu handle alone (text measured in the menu font); an item
// without text is a separator's 8 pixels high.
struct TMenuItemSize {
    int Width = 0, Height = 0;
};
TMenuItemSize RawMenuItemSize(int textWidth, int textHeight, bool textEmpty, int skinLeftWidth);

struct TMenuItemBoxes {
    TRect Image;     // empty for a separator
    TRect Text;      // the caption's column, the caption drawn left-aligned from its left
    TRect ShortCut;  // the shortcut drawn right-aligned inside it; empty without a shortcut
};

// imageSize: the image list's width (16 without one, at least 16 for a checked item);
// captionWidth: the caption measured; right-to-left items mirror the whole layout inside item.
TMenuItemBoxes MenuItemContentLayout(const TRect& item, int skinLeftWidth, int imageSize, bool separator,
                                     int captionWidth, bool hasShortCut, bool rightToLeft);

}  // namespace tw
