// The arithmetic of a skinned scroll bar: where its thumb lies, which part a point is on, how
// long its arrows are, where a dragged thumb and its grip go, and which strip frame each part
// shows. Pure, so every edge (a range of 0, a bar shorter than its arrows) is tested without
// windows.
#pragma once

namespace tw {

// The parts of a bar; the codes are the system's scroll requests for them.
enum TScrollPart : int {
    spNone = -1,
    spFirstArrow = 0,   // up or left
    spSecondArrow = 1,  // down or right
    spTrackBefore = 2,  // page up or left
    spTrackAfter = 3,   // page down or right
    spThumb = 5,
    spEndScroll = 8,  // the system's end of an operation: nothing is lit
};

// The thumb's extent along the bar, in bar coordinates.
struct TThumbSpan {
    int Start = 0;
    int End = 0;
    int Length() const { return End - Start; }
    bool operator==(const TThumbSpan& other) const { return Start == other.Start && End == other.End; }
};

// A scroll bar control's scroll state.
struct TScrollState {
    int Min = 0, Max = 0, Page = 0, Pos = 0;
};

// a * b / c rounded to the nearest (halves away from zero); -1 when c is 0.
int ScaleRound(int a, int b, int c);

// The thumb of a bar of barLength with arrows arrow long, from its scroll state; a page of 0
// gives an arrow-long thumb. eightPixelMinimum: a thumb computed shorter than 8 pixels is 8
// long. A range of 0 reads as 9999999; the thumb never leaves the track between the arrows.
TThumbSpan ControlThumb(int barLength, int arrow, const TScrollState& state, bool eightPixelMinimum);

// Each arrow's length: arrow, or half the bar when it is shorter than two arrows.
int ArrowLength(int barLength, int arrow);

// The part under p (along the bar's axis).
TScrollPart ScrollHitTest(int p, int arrow, int barLength, const TThumbSpan& thumb);

// The thumb dragged by delta pixels from where it started at the press, kept between the arrows.
TThumbSpan DraggedThumb(int startAtPress, int delta, int thumbLength, int arrow, int barLength);

// Where the grip cell (cell pixels square) starts along the bar when centred in the thumb, or
// -1 when it is skipped: the thumb is not longer than cell - 2, or the cell would leave a
// panel panelLength long.
int GripStart(const TThumbSpan& thumb, int cell, int panelLength);

// A frame index kept within the strip (a frame count below 1 reads as 1).
int ClampFrame(int index, int frameCount);

// Frames of the 23-frame Scrollbar strip: an arrow (the part is spFirstArrow or
// spSecondArrow), lit when it is the hot part (pressed while tracking); the grip of the thumb.
int ArrowFrame(bool vertical, TScrollPart arrow, TScrollPart hot, bool tracking);
// An arrow of a disabled bar: its group's greyed frame, whatever the mouse does.
int DisabledArrowFrame(bool vertical, TScrollPart arrow);
int GripFrame(bool vertical, TScrollPart hot, bool tracking);
// The thumb body's frame of a strip of frameCount; the track's (frame 1 enabled, 3 disabled).
int ThumbFrame(TScrollPart hot, bool tracking, int frameCount);
int TrackFrame(bool enabled, int frameCount);

}  // namespace tw
