// The glyph strips handed to check boxes and radio buttons that draw their own glyphs: which
// cell of the skin's check or radio strip goes to which cell of the strip such a control
// expects (kind 1: a 9-cell check strip, kind 2: a 6-cell radio strip, kind 3: a 6-cell check
// strip), and the strip itself built from the skin's.
#pragma once

#include <vector>

#include "skin/data/Bitmap.h"

namespace tw {

// Target cell t takes source cell s (both from 0).
struct TCellCopy {
    int Target = 0, Source = 0;
    constexpr bool operator==(const TCellCopy& o) const { return Target == o.Target && Source == o.Source; }
};

struct TObjStripPlan {
    int TargetCells = 0;  // 0: the kind is none of the three
    std::vector<TCellCopy> Copies;
};

// The plan for a kind and a source strip of sourceFrames frames (8- and 12-frame strips read
// by where their states lie); copies of cells the source does not have are left out.
TObjStripPlan ObjStripPlan(int objKind, int sourceFrames);

// The strip of the plan built from source (sourceFrames cells side by side): cells no copy fills
// stay magenta. Empty for an empty source, a kind of no plan or cells of no width.
TBitmap BuildObjStrip(const TBitmap& source, int sourceFrames, int objKind);

}  // namespace tw
