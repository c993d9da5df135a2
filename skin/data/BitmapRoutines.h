// Free routines on skin bitmaps and colours: grey-scaling, magenta substitution, mirror, flip,
// quarter turns, colour blending, the cached colour ramps and the saturation measure.
#pragma once

#include <vector>

#include "skin/data/Bitmap.h"
#include "skin/data/Rect.h"

namespace tw {

// Makes the bitmap 24-bit with every pixel grey (R + G + B) div 3.
void GrayBitmap(TBitmap& bitmap);
// Makes the bitmap 24-bit; every pure magenta pixel takes color's low three bytes as is.
void ReplaceMagenta(TBitmap& bitmap, TColor color);
// Left-right mirror; the bitmap becomes 24-bit first when it is not.
void MirrorBitmap(TBitmap& bitmap);
// Top-bottom flip; the bitmap becomes 24-bit first when it is not.
void FlipBitmap(TBitmap& bitmap);
// Quarter turn counter-clockwise / clockwise; the result is 24-bit, height x width.
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);

// Mixes c1 and c2 by weight a: a percentage below 100, per mille from 100 upward.
// System colours are resolved first.
TColor Blend(TColor c1, TColor c2, int a);

// Saturation of a colour on 0..255; 200 for any colour whose three bytes are all below 160.
int SaturationOf(TColor color);

// A colour ramp of `steps` entries from start to end, kept in a cache of 16 slots used in
// turn; answers the slot. Asking again for a ramp still cached answers the same slot.
int GradientRamp(int steps, TColor start, TColor end);
const std::vector<TColor>& RampEntries(int slot);
// Empties the cache and restarts at slot 0 (program end; tests).
void ResetRampCache();

// The steps of an n-step gradient over rect that fall inside clip: [First, Last], or
// First > Last when nothing is visible.
struct TGradientSteps {
    int First = 0;
    int Last = -1;
    bool Empty() const { return First > Last; }
};
TGradientSteps GradientStepsInClip(const TRect& rect, const TRect& clip, bool vertical);

// Paints a gradient from c1 to c2 (top to bottom when vertical, else left to right) over rect
// into a 24- or 32-bit bitmap, only where clip allows; rows keep the colours of the full ramp.
void GradientFillBitmap(TBitmap& bitmap, const TRect& rect, const TRect& clip, TColor c1, bool vertical, TColor c2);

}  // namespace tw
