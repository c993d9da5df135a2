// The geometry of a skinned tab strip on any of the four sides: the side from the window style,
// the page frame and the strip around it, how the tab image is turned for the side, and the
// close boxes, kept and hit-tested in the tab control's client coordinates. Portable.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/data/NineSlice.h"
#include "skin/data/Rect.h"

namespace tw {

enum class TTabSide { Top, Bottom, Left, Right };

// TCS_BOTTOM (also TCS_RIGHT) and TCS_VERTICAL of a tab control's style.
TTabSide TabSideOfStyle(uint32_t style);

// The page frame: the control's display rectangle grown by 4 and moved one pixel toward the tabs.
TRect TabPageArea(TTabSide side, const TRect& display);

// The band between the window edge and the page frame on the tab side.
TRect TabStrip(TTabSide side, int windowWidth, int windowHeight, const TRect& page);

// How the skin's tab image (frames side by side, drawn for tabs on top) is prepared for a side.
enum class TTabImageTurn { None, Flip, TurnLeft, TurnRight };
TTabImageTurn TabImageTurn(TTabSide side);

// The slice options for frame `frame` of the prepared image: the margins follow the turn, and a
// turned strip has its frames stacked (a left turn puts the first frame at the bottom).
TSliceOptions TabSlice(TTabSide side, const TSliceOptions& upright);

// The close box of a tab (client coordinates in, client coordinates out): a 7-pixel square at
// the tab's outer edge, in the corner where a tab on top has its top right.
TRect TabCloseBox(TTabSide side, const TRect& tab);

// The tab whose close box holds the client point, or -1.
int TabCloseBoxAt(const std::vector<TRect>& boxes, int x, int y);

}  // namespace tw
