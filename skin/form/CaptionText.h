// TCaptionTextPainter: the window text drawn on a skinned title bar from the title object's keys:
// one line placed by TextShift, TextShiftVert, TextRightClip and TextAlignment, FontHeight pixels
// high, in the active or inactive title text colour, cut short with an ellipsis.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"
#include "skin/data/Bitmap.h"
#include "skin/form/TitleText.h"

namespace tw {

class TSkinData;

// The title text colour as RGB: the title object's own colour when the skin gives it, else the
// skin colour TitleTextActive or TitleTextNoActive (system colours resolved).
TColor TitleTextColour(const TSkinData& data, bool active);

class TCaptionTextPainter {
public:
    void Paint(const TTitleTextRequest& request);
    // The font of the last paint (none before the first): one font kept, remade for a new height.
    HFONT Font() const { return font_.Get(); }

private:
    HFONT FontOfHeight(int height);

    TFontHandle font_;
    int fontHeight_ = 0;
};

}  // namespace tw
