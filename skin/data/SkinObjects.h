// The skin objects: one image strip with its margins, frame count and text colours, and the
// border, title, button, caption-button and box-label kinds built on it.
#pragma once

#include <string>

#include "skin/data/Bitmap.h"
#include "skin/data/NineSlice.h"

namespace tw {

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    int LeftWidth = 0;
    int TopHeight = 0;
    int RightWidth = 0;
    int BottomHeight = 0;
    TBitmap Image;
    int Trans = 0;  // non-zero: magenta pixels are transparent
    int Tile = 0;   // 1: centre tiled (borders keep their stretch value here, 1 = stretched)
    std::string Name;
    int FrameCount = 1;
    int Style = 0;
    int NormalColour = -1, MouseOverColour = -1, PressedColour = -1;  // -1: not given
    TColor NormalColour2 = 0, MouseOverColour2 = 0, PressedColour2 = 0;
};

// Frame `frameIndex` (from 1) of the object's strip of frameCount frames, cut at its margins,
// the centre tiled when the object says so.
inline TSliceOptions SliceOptionsOf(const TDataSkinObject& object, int frameCount, int frameIndex) {
    TSliceOptions options;
    options.FrameCount = frameCount;
    options.FrameIndex = frameIndex;
    options.Tile = object.Tile == 1;
    options.LeftWidth = object.LeftWidth;
    options.TopHeight = object.TopHeight;
    options.RightWidth = object.RightWidth;
    options.BottomHeight = object.BottomHeight;
    return options;
}

class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap SecondImage;
};

// A title colour that the skin did not give.
constexpr TColor kTitleColourNotGiven = 0x1FFFFFFF;

class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int TextAlignment = 0;
    int Textbackground = 0;
    int FontHeight = 14;
    int TXTBackleft = 0;
    int TXTBackRight = 0;
    TColor ActiveText = kTitleColourNotGiven;
    TColor InActiveText = kTitleColourNotGiven;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap CheckImage;
    TBitmap RadioImage;
    int RadioButtonFrame = 0;
    int CheckButtonFrame = 0;
    bool HasNormalColour2 = false, HasMouseOverColour2 = false, HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int Action = 0;
    int Align = 0;
    int Xcoord = 0;
    int Ycoord = 0;
    int CombineOp = -1;
    int Visibility = 0;
    int Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
    int BackgroundAlignment = 0;
};

}  // namespace tw
