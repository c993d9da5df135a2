// The arithmetic of caption buttons: when a skin's button shows, where it sits on the title bar,
// which cell of its strip it draws in each state, what a point of the frame is to the system
// (client, caption, border, sizing edge) and what the buttons leave of the title for its text.
#pragma once

#include <functional>
#include <vector>

#include "skin/data/FrameGeometry.h"
#include "skin/data/Rect.h"

namespace tw {

class TDataSkinSysButton;

// What a caption button does when it is released over itself.
enum TCaptionAction {
    caClose = 0,
    caMaximize = 1,
    caMinimize = 2,
    caSystemMenu = 3,
    caMdiMinimize = 7,
    caMdiRestore = 8,
    caMdiClose = 9,
    caSystemMenu2 = 11,
    caSystemMenu3 = 12,
    caMaximize2 = 22,
    caMinimize2 = 23,
    caMdiMinimize2 = 60,
    caMdiRestore2 = 61,
    caMdiClose2 = 62,
};
// The window icon, drawn by the button instead of an image of the skin.
inline bool DrawsWindowIcon(int action) { return action == caSystemMenu || action == caSystemMenu2; }
inline bool OpensSystemMenu(int action) { return DrawsWindowIcon(action) || action == caSystemMenu3; }

// The states of a caption button; each draws the cell of its number.
enum TCaptionState { csNormal = 1, csPressed = 2, csHot = 3 };

// The visibility code of the MDI-child buttons in the menu band.
constexpr int kMenuBandVisibility = 100;

// What a window is, for the visibility rules of its caption buttons.
struct TCaptionContext {
    bool MaxBox = true, MinBox = true, SystemMenu = true;
    bool Maximised = false;
    bool Active = true;
    bool DialogFrame = false;  // the dialog border kind
    bool DialogLook = false;   // the dialog border kind on a window that is no dialog class
    // An MDI frame whose active child is maximised, with a menu bar.
    bool MdiChildMaximisedInMenu = false;
    // Asks the window about a code of its own (code, action); unset: not visible.
    std::function<bool(int code, int action)> AskWindow;
};

// Whether a button with these codes and action shows on such a window.
bool CaptionButtonVisible(int visibility, int visibility1, int action, const TCaptionContext& context);
bool CaptionButtonVisible(const TDataSkinSysButton& button, const TCaptionContext& context);

// Where a button goes on a window of frameWidth: one cell of its strip (image width div frame
// count wide, a count below 1 reading as 1, as high as the image) placed by its Align code: 0
// Xcoord from the left edge, 1 Xcoord from the right edge to the button's left side, 2 and 8
// Xcoord from the right edge to its right side, 3 and 9 like 0, 100 in the menu band; any other
// code leaves it at the window's top-left corner. Ycoord is its top, but the menu band centres it.
struct TCaptionPlacement {
    int Align = 0, Xcoord = 0, Ycoord = 0;
    int ImageWidth = 0, ImageHeight = 0, FrameCount = 1;
};
struct TMenuBandPlace {
    bool RightToLeft = false;
    int MenuBarLeftMargin = 0;  // 0 without a menu-bar image
};
TRect CaptionButtonRect(const TCaptionPlacement& button, int frameWidth, const TFrameMetrics& metrics,
                        const TMenuBandPlace& band = {});

// The cell a button draws: normal (cell 4 on an inactive window when the strip has 4 cells),
// pressed, hot (cell 4 for the menu-band buttons); always within the strip.
int CaptionButtonFrame(int state, int frameCount, bool active, bool menuBand);

// What the title leaves for its text: from after the buttons at its left to before those at its
// right (a button counts as left when its centre lies in the left half of the window).
TRect CaptionTextArea(const TRect& title, const std::vector<TRect>& buttons, int windowWidth);

// What a point of a window of size is, with the system's hit codes: client, caption, menu band,
// borders, and the sizing edges and corners of a sizeable window in its normal state (a corner
// reaches 4 pixels along the top and bottom edges beyond the side borders). The
// caption buttons lie in the caption; the mouse handlers find them.
enum THitCode {
    hcNowhere = 0,
    hcClient = 1,
    hcCaption = 2,
    hcMenu = 5,
    hcLeft = 10,
    hcRight = 11,
    hcTop = 12,
    hcTopLeft = 13,
    hcTopRight = 14,
    hcBottom = 15,
    hcBottomLeft = 16,
    hcBottomRight = 17,
    hcBorder = 18,
};
THitCode FrameHitCode(int x, int y, int width, int height, const TFrameMetrics& metrics, bool sizeable);

}  // namespace tw
