#include "tools/skingen/Colour.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/core/Exception.h"

namespace tw::skingen {

namespace {
uint8_t Channel(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

double Linear(uint8_t c) {
    const double s = c / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
    return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}

Rgb Desaturate(Rgb c, double t) {
    const double grey = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
    const Rgb g{Channel(grey), Channel(grey), Channel(grey)};
    return Mix(c, g, t);
}

Rgb ParseHexColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') throw tw::Exception("Not a colour (#RRGGBB expected): \"" + text + "\"");
    int v[6];
    for (int i = 0; i < 6; ++i) {
        v[i] = HexDigit(text[i + 1]);
        if (v[i] < 0) throw tw::Exception("Not a colour (#RRGGBB expected): \"" + text + "\"");
    }
    return {static_cast<uint8_t>(v[0] * 16 + v[1]), static_cast<uint8_t>(v[2] * 16 + v[3]),
            static_cast<uint8_t>(v[4] * 16 + v[5])};
}

std::string HexOf(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
    return buf;
}

std::string TripletOf(Rgb c) { return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b); }

unsigned WinColourOf(Rgb c) { return c.r | (c.g << 8) | (c.b << 16); }

double Luminance(Rgb c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace tw::skingen
