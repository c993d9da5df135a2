// The skin painters shared by the generator's parts: faces, bevels, glyphs, and the part builders.
#pragma once

#include <initializer_list>
#include <utility>

#include "tools/skingen/Draw.h"
#include "tools/skingen/SkinBuilder.h"

namespace tw::skingen {

// Writes integer keys into the current INI section.
inline void Keys(TIniText& ini, std::initializer_list<std::pair<const char*, int>> keys) {
    for (const auto& [k, v] : keys) ini.Key(k, v);
}

// How a button-like face is painted.
struct TFaceStyle {
    Rgb Top, Bottom, Border;
    double Radius = 3;
    bool Gloss = false, Flat = false;
    // Classic 3-D edges instead of an outline: raised, or sunken when Pressed.
    bool Bevel = false, Pressed = false;
    // A second ring inside the border (focus or hover); none when HasRing is false.
    bool HasRing = false;
    Rgb Ring;
};

TFaceStyle ButtonStyle(const TTheme& t, int state);  // 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused

// A face of w x h on the key colour, partly covered edges blended with the matte.
TImage PaintFace(int w, int h, const TFaceStyle& style, const TTheme& t, const Fill& matte);
// A face painted into an existing image's rectangle.
void PaintFaceInto(TImage& img, double x0, double y0, double x1, double y1, const TFaceStyle& style, const TTheme& t);
// Classic raised (or sunken) double edge on a rectangle.
void ClassicEdge(TImage& img, int x0, int y0, int x1, int y1, bool sunken, const TTheme& t);
// The fill of a vertical gloss: a bright upper half over a deeper lower half.
Fill GlossFill(Rgb top, Rgb bottom, double y0, double y1, double shine = 0.55);

enum class TArrow { Up, Down, Left, Right };
// A filled triangle arrow of the given size, centred on (cx, cy).
Shape ArrowShape(TArrow dir, double cx, double cy, double size);

void BuildFrame(const TTheme& t, TSkinFiles& out);
void BuildButtons(const TTheme& t, TSkinFiles& out);
void BuildScrollbars(const TTheme& t, TSkinFiles& out);
void BuildRanges(const TTheme& t, TSkinFiles& out);
void BuildPanels(const TTheme& t, TSkinFiles& out);

}  // namespace tw::skingen
