// Where a skinned track bar draws its channel: the channel rectangle made upright for a vertical
// bar, the three slices (two ends kept at their size, a stretched middle) of the channel image,
// and which frame of its thumb strip the thumb shows.
// Pure, so the shapes the system hands back and the degenerate channels are tested without windows.
#pragma once

#include "skin/data/Rect.h"

namespace tw {

// A vertical bar's channel as drawn: tall and narrow. Windows reports it with x and y exchanged
// (wide and flat), Wine reports it upright; the rectangle's shape tells which, so both are
// handled. A square rectangle is left as it is.
TRect UprightVerticalChannel(const TRect& reported);

// One piece of the channel image and where it goes.
struct TChannelSlice {
    TRect Source;
    TRect Dest;
};

// The slices of an image imageWidth x imageHeight drawn into channel. Horizontal: the first
// startCut columns at the left, the last endCut at the right, the middle stretched between, all
// centred across the channel when the image is thinner than it (else at its top). Vertical: the
// same with rows, startCut the top rows and endCut the bottom ones. A channel or an image with a
// width or height of 0 or less gives no slices; an end or middle left with no extent is dropped.
// Returns how many of out[0..2] were filled.
int ChannelSlices(bool vertical, const TRect& channel, int imageWidth, int imageHeight, int startCut, int endCut,
                  TChannelSlice out[3]);

// The frame (from 1) of a 5-frame thumb strip: 2 at rest, 3 while dragged, 4 under the mouse,
// 5 on a disabled bar (frame 1 is a second rest look no state uses).
int TrackThumbFrame(bool enabled, bool hot, bool pressed);

}  // namespace tw
