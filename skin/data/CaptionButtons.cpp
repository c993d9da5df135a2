#include "skin/data/CaptionButtons.h"

#include <algorithm>

#include "skin/data/SkinObjects.h"

namespace tw {

namespace {

// How far a sizing corner reaches along the top and bottom edges beyond the side borders.
constexpr int kCornerReach = 4;

// One visibility code of the first (visibility1 false) or the second condition.
bool CodeHolds(int code, bool second, int action, const TCaptionContext& c) {
    switch (code) {
        case -1:
            return false;
        case 0:
            return true;
        case 1:
            return c.Maximised;
        case 2:
            return !c.Maximised;
        case 3:
            return c.Active;
        case 4:
            return !c.Active;
        case 6:
            return second ? c.MaxBox : c.MaxBox && c.SystemMenu;
        case 7:
            return !c.MaxBox;
        case 8:
            return second ? c.MinBox : c.MinBox && c.SystemMenu;
        case 9:
            return !c.MinBox;
        case kMenuBandVisibility:
            return c.MdiChildMaximisedInMenu;
        case 200:
            return c.DialogLook;
        default:
            break;
    }
    if (code >= 201 && code <= 999) return true;
    if (code >= 1000 && code <= 2000) return second || (c.AskWindow && c.AskWindow(code, action));
    return false;
}

}  // namespace

bool CaptionButtonVisible(int visibility, int visibility1, int action, const TCaptionContext& c) {
    if (!CodeHolds(visibility, false, action, c) || !CodeHolds(visibility1, true, action, c)) return false;
    switch (action) {
        case caClose:
            return c.SystemMenu;
        case caMaximize:
            return c.MaxBox;
        case caMinimize:
            return c.MinBox;
        case caSystemMenu:
        case caSystemMenu2:
        case caSystemMenu3:
            return !c.DialogFrame;
        default:
            return true;
    }
}

bool CaptionButtonVisible(const TDataSkinSysButton& b, const TCaptionContext& c) {
    return CaptionButtonVisible(b.Visibility, b.Visibility1, b.Action, c);
}

TRect CaptionButtonRect(const TCaptionPlacement& b, int frameWidth, const TFrameMetrics& m,
                        const TMenuBandPlace& band) {
    const int width = b.ImageWidth / std::max(1, b.FrameCount);
    const int height = b.ImageHeight;
    int left = 0, top = 0;
    switch (b.Align) {
        case 0:
            left = b.Xcoord;
            top = b.Ycoord;
            break;
        case 1:
            left = frameWidth - b.Xcoord;
            top = b.Ycoord;
            break;
        case kMenuBandVisibility:
            top = (m.MenuHeight - height) / 2 + m.TitleHeight;
            left = band.RightToLeft ? b.Xcoord + m.BorderLeft + band.MenuBarLeftMargin
                                    : frameWidth - b.Xcoord - m.BorderRight - band.MenuBarLeftMargin;
            break;
        case 2:
        case 8:
            // Xcoord counts from the window's right edge to the button's right side.
            left = frameWidth - width - b.Xcoord;
            top = b.Ycoord;
            break;
        case 3:
        case 9:
            left = b.Xcoord;
            top = b.Ycoord;
            break;
        default:
            break;
    }
    return TRect(left, top, left + width, top + height);
}

int CaptionButtonFrame(int state, int frameCount, bool active, bool menuBand) {
    const int count = std::max(1, frameCount);
    int frame = csNormal;
    if (state == csPressed) frame = 2;
    else if (state == csHot)
        frame = menuBand ? 4 : 3;
    else if (!active && count >= 4)
        frame = 4;
    return std::clamp(frame, 1, count);
}

TRect CaptionTextArea(const TRect& title, const std::vector<TRect>& buttons, int windowWidth) {
    int left = title.Left, right = title.Right;
    for (const TRect& b : buttons) {
        if (b.Width() <= 0 || b.Height() <= 0) continue;
        if (b.Left + b.Right < windowWidth) left = std::max(left, b.Right);
        else
            right = std::min(right, b.Left);
    }
    if (right < left) right = left;
    return TRect(left, title.Top, right, title.Bottom);
}

THitCode FrameHitCode(int x, int y, int width, int height, const TFrameMetrics& m, bool sizeable) {
    if (x < 0 || y < 0 || x >= width || y >= height) return hcNowhere;
    const bool left = x < m.BorderLeft, right = x >= width - m.BorderRight;
    const bool bottom = y >= height - m.BorderBottom;
    if (sizeable) {
        // The top edge of the title bar sizes too, in a band as deep as the side border (at
        // most a quarter of the title, at least one pixel); the corners reach as far in.
        const int band = std::max(1, std::min(m.BorderLeft, m.TitleHeight / 4));
        const bool top = y < band;
        const bool nearLeft = x < m.BorderLeft + kCornerReach, nearRight = x >= width - m.BorderRight - kCornerReach;
        if ((top || bottom) && nearLeft) return top ? hcTopLeft : hcBottomLeft;
        if ((top || bottom) && nearRight) return top ? hcTopRight : hcBottomRight;
        if (top) return hcTop;
    }
    if (y < m.TitleHeight) return hcCaption;
    if (y < m.TitleHeight + m.MenuHeight) return hcMenu;
    if (sizeable) {
        if (left) return hcLeft;
        if (right) return hcRight;
        if (bottom) return hcBottom;
    } else if (left || right || bottom) {
        return hcBorder;
    }
    return hcClient;
}

}  // namespace tw
