// Drawn from code so that native builds and tests have exactly the pixels of the resources
// (skin/data/res/*.bmp are written from these; a test checks they still agree).
#include "skin/data/BuiltinBitmaps.h"

namespace tw {

namespace {

// '#' is ink (black), anything else paper (white).
const char* const kGlyphs[16] = {
    // restore         maximise          minimise          close
    "................"
    "................"
    "................"
    "................",
    "................"
    "................"
    "................"
    "................",
    ".....#######...."
    "..###########..."
    "................"
    "...##......##...",
    ".....#######...."
    "..###########..."
    "................"
    "....##....##....",
    ".....#.....#...."
    "..#.........#..."
    "................"
    ".....##..##.....",
    "..#######..#...."
    "..#.........#..."
    "................"
    "......####......",
    "..#######..#...."
    "..#.........#..."
    "................"
    ".......##.......",
    "..#.....#..#...."
    "..#.........#..."
    "................"
    "......####......",
    "..#.....####...."
    "..#.........#..."
    "................"
    ".....##..##.....",
    "..#.....#......."
    "..#.........#..."
    "................"
    "....##....##....",
    "..#.....#......."
    "..#.........#..."
    "................"
    "...##......##...",
    "..#######......."
    "..###########..."
    "...########....."
    "................",
    "................"
    "................"
    "...########....."
    "................",
    "................"
    "................"
    "................"
    "................",
    "................"
    "................"
    "................"
    "................",
    "................"
    "................"
    "................"
    "................",
};

// Channel shades from the outer edge inwards: shadow, dark shadow, face, highlight.
const TColor kChannel[4] = {RGBColor(128, 128, 128), RGBColor(64, 64, 64), RGBColor(212, 208, 200),
                            RGBColor(255, 255, 255)};

}  // namespace

TBitmap DrawnMenuGlyphBitmap() {
    TBitmap glyphs(0, 0, TPixelFormat::pf1bit);
    glyphs.SetPalette(DefaultPalette(1));
    glyphs.SetSize(64, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) glyphs.SetPixel(x, y, kGlyphs[y][x] == '#' ? 0 : kColorWhite);
    return glyphs;
}

TBitmap DrawnTrackBitmap() {
    TBitmap track(16, 4);
    for (int y = 0; y < 4; ++y) track.FillRect(0, y, 16, y + 1, kChannel[y]);
    // The ends close the channel.
    track.FillRect(0, 0, 1, 3, kChannel[0]);
    track.FillRect(15, 1, 16, 4, kChannel[3]);
    return track;
}

TBitmap DrawnTrackVertBitmap() {
    TBitmap track(4, 16);
    for (int x = 0; x < 4; ++x) track.FillRect(x, 0, x + 1, 16, kChannel[x]);
    track.FillRect(0, 0, 3, 1, kChannel[0]);
    track.FillRect(1, 15, 4, 16, kChannel[3]);
    return track;
}

}  // namespace tw
