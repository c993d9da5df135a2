// The bitmaps the program carries itself: the four menu glyphs ("THALORMENU") and the
// trackbar channels used when a skin gives none ("TRACK", "TRACKVERT").
#pragma once

#include "skin/data/Bitmap.h"

namespace tw {

// The program's bitmap resources "THALORMENU", "TRACK" and "TRACKVERT"; on Windows read from
// the module (when linked with tw_skindata_res), else the drawings below.
TBitmap BuiltinMenuGlyphBitmap();
TBitmap BuiltinTrackBitmap();
TBitmap BuiltinTrackVertBitmap();

// The drawings the resources are made from.
// 64 x 16, 1 bit: glyphs for restore, maximise, minimise and close, black on white.
TBitmap DrawnMenuGlyphBitmap();
// 16 x 4 and 4 x 16, 24 bits: a sunken channel.
TBitmap DrawnTrackBitmap();
TBitmap DrawnTrackVertBitmap();

}  // namespace tw
