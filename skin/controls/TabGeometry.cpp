#include "skin/controls/TabGeometry.h"

namespace tw {

namespace {
constexpr uint32_t kTabBottom = 0x0002;    // TCS_BOTTOM, TCS_RIGHT with TCS_VERTICAL
constexpr uint32_t kTabVertical = 0x0080;  // TCS_VERTICAL
constexpr int kBox = 7;                    // the close box's side, its two lines included
constexpr int kInset = 2;
}  // namespace

TTabSide TabSideOfStyle(uint32_t style) {
    const bool bottom = (style & kTabBottom) != 0;
    if (style & kTabVertical) return bottom ? TTabSide::Right : TTabSide::Left;
    return bottom ? TTabSide::Bottom : TTabSide::Top;
}

TRect TabPageArea(TTabSide side, const TRect& display) {
    TRect page{display.Left - 4, display.Top - 4, display.Right + 4, display.Bottom + 4};
    switch (side) {
        case TTabSide::Top:
            page.Top += 1;
            break;
        case TTabSide::Bottom:
            page.Bottom -= 1;
            break;
        case TTabSide::Left:
            page.Left += 1;
            break;
        case TTabSide::Right:
            page.Right -= 1;
            break;
    }
    return page;
}

TRect TabStrip(TTabSide side, int width, int height, const TRect& page) {
    switch (side) {
        case TTabSide::Top:
            return {0, 0, width, page.Top};
        case TTabSide::Bottom:
            return {0, page.Bottom, width, height};
        case TTabSide::Left:
            return {0, 0, page.Left, height};
        case TTabSide::Right:
            return {page.Right, 0, width, height};
    }
    return {};
}

TTabImageTurn TabImageTurn(TTabSide side) {
    switch (side) {
        case TTabSide::Top:
            return TTabImageTurn::None;
        case TTabSide::Bottom:
            return TTabImageTurn::Flip;
        case TTabSide::Left:
            return TTabImageTurn::TurnLeft;
        case TTabSide::Right:
            return TTabImageTurn::TurnRight;
    }
    return TTabImageTurn::None;
}

TSliceOptions TabSlice(TTabSide side, const TSliceOptions& up) {
    TSliceOptions o = up;
    const int count = up.FrameCount < 1 ? 1 : up.FrameCount;
    const int frame = up.FrameIndex < 1 ? 1 : (up.FrameIndex > count ? count : up.FrameIndex);
    o.FrameCount = count;
    o.FrameIndex = frame;
    switch (side) {
        case TTabSide::Top:
            break;
        case TTabSide::Bottom:
            o.TopHeight = up.BottomHeight;
            o.BottomHeight = up.TopHeight;
            break;
        case TTabSide::Left:
            // Anticlockwise: the image's left edge comes to the bottom, its top to the left.
            o.Stacked = true;
            o.FrameIndex = count - frame + 1;
            o.BottomHeight = up.LeftWidth;
            o.LeftWidth = up.TopHeight;
            o.TopHeight = up.RightWidth;
            o.RightWidth = up.BottomHeight;
            break;
        case TTabSide::Right:
            // Clockwise: the image's left edge comes to the top, its top to the right.
            o.Stacked = true;
            o.TopHeight = up.LeftWidth;
            o.RightWidth = up.TopHeight;
            o.BottomHeight = up.RightWidth;
            o.LeftWidth = up.BottomHeight;
            break;
    }
    return o;
}

TRect TabCloseBox(TTabSide side, const TRect& tab) {
    switch (side) {
        case TTabSide::Top:
            return {tab.Right - kInset - kBox, tab.Top + kInset, tab.Right - kInset, tab.Top + kInset + kBox};
        case TTabSide::Bottom:
            return {tab.Right - kInset - kBox, tab.Bottom - kInset - kBox, tab.Right - kInset, tab.Bottom - kInset};
        case TTabSide::Left:
            return {tab.Left + kInset, tab.Top + kInset, tab.Left + kInset + kBox, tab.Top + kInset + kBox};
        case TTabSide::Right:
            return {tab.Right - kInset - kBox, tab.Bottom - kInset - kBox, tab.Right - kInset, tab.Bottom - kInset};
    }
    return {};
}

int TabCloseBoxAt(const std::vector<TRect>& boxes, int x, int y) {
    for (size_t i = 0; i < boxes.size(); ++i) {
        const TRect& b = boxes[i];
        if (!b.IsEmpty() && x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace tw
