// TCanvas: the contact sheet's drawing surface over a 24-bit bitmap: fills, lines, labels.
#pragma once

#include <string>

#include "skin/data/Bitmap.h"
#include "skin/data/NineSlice.h"
#include "skin/data/Rect.h"

namespace tw::contactsheet {

class TCanvas {
public:
    TCanvas(int width, int height, TColor background);

    TBitmap& Bitmap() { return bitmap_; }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }

    void Fill(const TRect& r, TColor c) { bitmap_.FillRect(r.Left, r.Top, r.Right, r.Bottom, c); }
    void Frame(const TRect& r, TColor c);
    // A rectangle outline with its corners cut, as a small rounded frame.
    void RoundFrame(const TRect& r, TColor c);
    // Label text in the 5 x 7 font, scaled; lower case is drawn as upper case. Answers the width.
    int Text(int x, int y, const std::string& text, TColor c, int scale = 1);
    static int TextWidth(const std::string& text, int scale = 1) { return static_cast<int>(text.size()) * 6 * scale; }
    // Copies a bitmap scaled by an integer zoom, key pixels as a grey checkerboard when asked.
    void Blit(const TBitmap& image, const TRect& src, int x, int y, int zoom, bool showKey);

private:
    TBitmap bitmap_;
};

}  // namespace tw::contactsheet
