// The arithmetic of a skinned window frame: border widths from the border images, the client
// rectangle under them, the rectangles of the border pieces, the plan of the window region and
// the place of the title text. The frame painter copies and unites what this lays out.
#pragma once

#include <array>

#include "skin/data/NineSlice.h"
#include "skin/data/Rect.h"

namespace tw {

class TSkinData;
class TDataSkinObject;

// Border widths of a frame, and the menu bar band under the title (0 without a menu bar).
struct TFrameMetrics {
    int BorderLeft = 0, TitleHeight = 0, BorderRight = 0, BorderBottom = 0;
    int MenuHeight = 0;
    bool operator==(const TFrameMetrics& o) const {
        return BorderLeft == o.BorderLeft && TitleHeight == o.TitleHeight && BorderRight == o.BorderRight &&
               BorderBottom == o.BorderBottom && MenuHeight == o.MenuHeight;
    }
};

// The border pieces by their painting index.
enum TBorderIndex { biLeft = 1, biRight = 2, biTitle = 3, biBottom = 4 };

// The metrics a skin gives a frame: the side borders are one frame of the Left and Right strips
// wide, the title and bottom one frame of the Top and Bottom strips high (a frame count below 1
// reads as 1). A frame without caption has none at all, menu band included. While data holds no
// skin, `current` is the answer.
TFrameMetrics FrameMetricsOf(const TSkinData& data, bool hasCaption, const TFrameMetrics& current);

// The client rectangle of a window rectangle under the frame. Every edge stays inside the
// window and it is never inverted: a window smaller than its frame has an empty client.
TRect ClientRectOf(const TRect& window, const TFrameMetrics& metrics);

// Where the pieces of a frame go in a window of width x height (window coordinates). Pieces of
// a window narrower or shorter than its borders come out inverted: nothing is drawn there.
struct TFrameLayout {
    TRect Left, Right, Title, Bottom;
    TRect MenuBand;  // under the title, as wide as it
    TRect Inner;     // inside all four borders (menu band included)
};
TFrameLayout FrameLayoutOf(int width, int height, const TFrameMetrics& metrics);

// How one border piece is drawn: which strip cell, stacked or not, centre tiled or stretched,
// the piece's margins. The inactive frame is cell 2 unless the strip has a single cell.
TSliceOptions BorderSliceOptions(const TDataSkinObject& border, int index, bool active);

// The window region of a frame, in parts. A transparent border whose bitmap region is wanted
// is drawn at Area's size and its non-magenta pixels go in at Area's top-left corner; a plain
// part is Area as it stands. Empty parts are left out, so the others always stay.
enum class TRegionPartKind { None, Rectangle, Bitmap };
struct TRegionPart {
    TRegionPartKind Kind = TRegionPartKind::None;
    int Index = 0;  // TBorderIndex
    TRect Area;
};
struct TRegionPlan {
    // No border is transparent: the region is the window rectangle and nothing else.
    bool Plain = false;
    TRect Inner;
    // Left, right, title, bottom: the order in which they are united.
    std::array<TRegionPart, 4> Parts;
};
// `transparent` holds the Trans values of the Left, Right, Top and Bottom borders. A side
// border takes its bitmap when it is transparent and the window is taller than 1 pixel; the
// title when it is taller than 1 pixel and has width; the bottom when it is at least 2 pixels
// high and has width (a narrower window than its side borders has no bottom piece at all).
TRegionPlan PlanFrameRegion(int width, int height, const TFrameMetrics& metrics, const std::array<int, 4>& transparent,
                            bool hasCaption);

// Horizontal placement of the title text.
enum TTitleAlignment { taLeft = 0, taRight = 1, taCentre = 2 };

// Where the window text goes on a title bar, from the title object's keys: TextShift is the
// text's left edge and TextRightClip the room kept free at the right, both counted from the
// window's edges; TextShiftVert is the top of a line FontHeight + 2 pixels high in the title
// (0, the default, centres the line). The text is cut to `free` (what the caption buttons
// leave). Area's vertical centre is the line's centre; it is high enough for any font.
struct TTitleTextLayout {
    TRect Area;
    TTitleAlignment Alignment = taLeft;
    bool Empty() const { return Area.Width() <= 0; }
};
struct TTitleTextKeys {
    int TextShift = 0, TextShiftVert = 0, TextRightClip = 0, TextAlignment = 0, FontHeight = 14;
};
TTitleTextLayout TitleTextLayoutOf(int windowWidth, const TRect& title, const TRect& free, const TTitleTextKeys& keys);

}  // namespace tw
