// Colour arithmetic for skin design: mixing, lightening, parsing "#RRGGBB" and WCAG contrast.
#pragma once

#include <string>

#include "tools/skingen/Image.h"

namespace tw::skingen {

// t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
inline Rgb Lighten(Rgb c, double t) { return Mix(c, kWhite, t); }
inline Rgb Darken(Rgb c, double t) { return Mix(c, kBlack, t); }
// Moves every channel toward its grey value: t = 1 gives grey.
Rgb Desaturate(Rgb c, double t);

// Parses "#RRGGBB"; throws tw::Exception naming the text otherwise.
Rgb ParseHexColour(const std::string& text);
std::string HexOf(Rgb c);
// The INI form "r,g,b".
std::string TripletOf(Rgb c);
// The 32-bit Windows colour value (red in the low byte).
unsigned WinColourOf(Rgb c);

// Relative luminance and contrast ratio as WCAG 2 defines them.
double Luminance(Rgb c);
double ContrastRatio(Rgb a, Rgb b);

}  // namespace tw::skingen
