// Without resources the built-in bitmaps are the drawings themselves.
#include "skin/data/BuiltinBitmaps.h"

namespace tw {

TBitmap BuiltinMenuGlyphBitmap() { return DrawnMenuGlyphBitmap(); }
TBitmap BuiltinTrackBitmap() { return DrawnTrackBitmap(); }
TBitmap BuiltinTrackVertBitmap() { return DrawnTrackVertBitmap(); }

}  // namespace tw
