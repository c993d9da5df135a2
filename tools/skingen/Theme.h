// TTheme: the design of one skin (palette, shapes, frame layouts) read from its design text.
#pragma once

#include <string>

#include "tools/skingen/Image.h"

namespace tw::skingen {

struct TTheme {
    std::string Name;

    // Core palette: the client face and its text, selection, 3-D edge colours, entry fields.
    Rgb Face, Text, Accent, AccentText, Light, Shadow, DkShadow, Field, FieldBorder, FieldBorderHot;

    // Window chrome.
    Rgb TitleTop, TitleBottom, TitleInactiveTop, TitleInactiveBottom;
    Rgb FrameEdge, FrameEdgeInactive, FrameOutline, FrameOutlineInactive, FrameInner, FrameInnerInactive;
    Rgb TitleText, TitleTextInactive;

    // Caption buttons.
    Rgb CapFace, CapFaceHot, CapFacePressed, CapOutline, CapGlyph, CapGlyphInactive;
    Rgb CloseFace, CloseHot, ClosePressed, CloseGlyph;

    // Push buttons and the controls styled like them.
    Rgb ButtonTop, ButtonBottom, ButtonHotTop, ButtonHotBottom, ButtonPressedTop, ButtonPressedBottom;
    Rgb ButtonDisabledTop, ButtonDisabledBottom, ButtonBorder, ButtonHotBorder, Focus;
    Rgb ButtonText, ButtonHotText, ButtonPressedText, Mark;

    // Scroll bars, progress bars, track bars.
    Rgb ScrollTrack, ThumbTop, ThumbBottom, ThumbBorder, Glyph;
    Rgb ProgressTrough, ProgressTop, ProgressBottom;
    Rgb TrackGroove;

    // Tabs, column headers, status bar.
    Rgb TabTop, TabBottom, TabSelTop, TabSelBottom, TabText, TabSelText;
    Rgb HeaderTop, HeaderBottom, HeaderHotTop, HeaderHotBottom, HeaderText;
    Rgb StatusTop, StatusBottom, StatusText;

    // Menus.
    Rgb Menu, MenuText, MenuGutter, MenuBorder, MenuBar, MenuBarText, MenuSelTop, MenuSelBottom, MenuSelText;

    // Geometry: border thickness, title height, window corner radii (top, bottom), control corners.
    int SideWidth = 5, BottomHeight = 5, TitleHeight = 26, TopRadius = 0, BottomRadius = 0;
    int ButtonRadius = 3, FontHeight = 12;

    // Look switches: magenta-shaped frame corners, glassy highlight, flat fills, classic 3-D bevels.
    bool Shaped = false, Gloss = false, Flat = false, Bevel = false;
    // Fine horizontal grain across the title band (a natural, wooden look).
    bool Grain = false;

    // Caption buttons: frames per strip (3 or 6), cell size, spacing, shape (square, round, circle, flat).
    int CaptionFrames = 3, CaptionWidth = 21, CaptionHeight = 19, CaptionGap = 2;
    std::string CaptionShape = "round";

    // Strip layouts and optional objects.
    int CheckFrames = 4, RadioFrames = 4, ProgressStyle = 0, TabsStyle = 0;
    bool TrackImages = true;
};

// Reads a design text: "key = value" lines, "#" comments; colours as #RRGGBB, numbers,
// yes/no switches. Every key not given takes a default derived from the core palette.
// Throws tw::Exception naming the line for an unknown key, a bad value or a missing Name.
TTheme LoadTheme(const std::string& text);

}  // namespace tw::skingen
