#include "skin/data/MenuItemLayout.h"

#include <algorithm>

namespace tw {

int MenuItemExtraWidth(TMenuItemHome home, bool hasImages, int skinLeftWidth) {
    const int room = hasImages ? (home == TMenuItemHome::ihMainMenu ? 10 : 12) : 35;
    return room + std::max(skinLeftWidth, 0);
}

TMenuItemSize RawMenuItemSize(int textWidth, int textHeight, bool textEmpty, int skinLeftWidth) {
    TMenuItemSize size;
    size.Width = std::max(textWidth, 0) + 26 + std::max(skinLeftWidth, 0);
    size.Height = textEmpty ? 8 : textHeight + 4;
    return size;
}

namespace {
// The rectangle reflected about the vertical centre line of item.
TRect Mirror(const TRect& r, const TRect& item) {
    if (r.IsEmpty()) return r;
    return TRect(item.Left + item.Right - r.Right, r.Top, item.Left + item.Right - r.Left, r.Bottom);
}
}  // namespace

TMenuItemBoxes MenuItemContentLayout(const TRect& item, int skinLeftWidth, int imageSize, bool separator,
                                     int captionWidth, bool hasShortCut, bool rightToLeft) {
    TMenuItemBoxes boxes;
    const int boxLeft = item.Left + 1 + std::max(skinLeftWidth, 0);
    const int boxTop = item.Top + 1;
    int boxRight = boxLeft;
    if (!separator) {
        boxes.Image = TRect(boxLeft, boxTop, boxLeft + imageSize, boxTop + imageSize);
        boxRight = boxes.Image.Right;
    }
    const int textLeft = std::min(boxRight + 3, item.Right - 1);
    boxes.Text = TRect(textLeft, item.Top, item.Right - 1, item.Bottom);
    if (hasShortCut && !separator) {
        const int shortLeft = std::min(textLeft + std::max(captionWidth, 0), item.Right - 11);
        if (shortLeft < item.Right - 11) boxes.ShortCut = TRect(shortLeft, item.Top, item.Right - 11, item.Bottom);
    }
    if (rightToLeft) {
        boxes.Image = Mirror(boxes.Image, item);
        boxes.Text = Mirror(boxes.Text, item);
        boxes.ShortCut = Mirror(boxes.ShortCut, item);
    }
    return boxes;
}

}  // namespace tw
