// The skinned scroll bar's arithmetic as one table: thumbs with and without a page (a range of
// 0, the 8-pixel minimum, a thumb longer than its track, a bar shorter than its arrows), the
// part under a point, the dragged thumb kept between the arrows, the grip's place, and the strip
// frame of every part and state.
#include <gtest/gtest.h>

#include "skin/controls/ScrollGeometry.h"

namespace tw {
namespace {

// A span packed into one number for the table: start * 1000 + end.
int Packed(const TThumbSpan& span) { return span.Start * 1000 + span.End; }

TEST(ScrollGeometryTest, ThumbsPartsDragsGripsAndFrames) {
    const TThumbSpan thumb{50, 80};
    struct Case {
        const char* what;
        int got, expected;
    };
    const Case cases[] = {
        // A 200-pixel bar with 16-pixel arrows: 168 pixels of track.
        {"page 10 of 0..99 at the start", Packed(ControlThumb(200, 16, {0, 99, 10, 0}, true)), 16031},
        {"page 10 of 0..99 half way", Packed(ControlThumb(200, 16, {0, 99, 10, 50}, true)), 101116},
        {"position past the last page stays on the track", Packed(ControlThumb(200, 16, {0, 99, 10, 99}, true)),
         169184},
        {"a tiny page gets the 8-pixel thumb", Packed(ControlThumb(200, 16, {0, 99, 2, 0}, true)), 16024},
        {"the 8-pixel thumb moves over the track less 8", Packed(ControlThumb(200, 16, {0, 99, 2, 50}, true)), 97105},
        {"a press computes without the minimum", Packed(ControlThumb(200, 16, {0, 99, 2, 50}, false)), 101103},
        {"a range of 0 with a page", Packed(ControlThumb(200, 16, {5, 5, 10, 5}, true)), 16024},
        {"a range of 0 without a page", Packed(ControlThumb(200, 16, {5, 5, 0, 5}, true)), 16032},
        {"no page: an arrow-long thumb at the end", Packed(ControlThumb(200, 16, {0, 100, 0, 100}, true)), 168184},
        {"a page larger than the range fills the track", Packed(ControlThumb(200, 16, {0, 99, 200, 0}, true)), 16184},
        {"a bar shorter than two arrows has no thumb", Packed(ControlThumb(20, 16, {0, 99, 10, 50}, true)), 10010},
        {"a bar of no length", Packed(ControlThumb(0, 16, {0, 0, 0, 0}, true)), 0},
        {"a bar of negative length", Packed(ControlThumb(-5, 16, {0, 10, 3, 4}, true)), 0},
        {"arrow of a long bar", ArrowLength(200, 16), 16},
        {"arrows of a short bar are half of it", ArrowLength(20, 16), 10},
        {"no arrows without a length", ArrowLength(-3, 16), 0},

        // The part under a point (thumb 50..80 on the 200-pixel bar).
        {"on the first arrow", ScrollHitTest(0, 16, 200, thumb), spFirstArrow},
        {"last pixel of the first arrow", ScrollHitTest(15, 16, 200, thumb), spFirstArrow},
        {"track before the thumb", ScrollHitTest(16, 16, 200, thumb), spTrackBefore},
        {"just before the thumb", ScrollHitTest(49, 16, 200, thumb), spTrackBefore},
        {"first pixel of the thumb", ScrollHitTest(50, 16, 200, thumb), spThumb},
        {"last pixel of the thumb", ScrollHitTest(79, 16, 200, thumb), spThumb},
        {"track after the thumb", ScrollHitTest(80, 16, 200, thumb), spTrackAfter},
        {"last pixel of the track", ScrollHitTest(183, 16, 200, thumb), spTrackAfter},
        {"second arrow", ScrollHitTest(184, 16, 200, thumb), spSecondArrow},
        {"past the bar", ScrollHitTest(250, 16, 200, thumb), spSecondArrow},
        {"short bar, first half", ScrollHitTest(9, 16, 20, {10, 10}), spFirstArrow},
        {"short bar, second half", ScrollHitTest(10, 16, 20, {10, 10}), spSecondArrow},

        // The dragged thumb keeps its length between the arrows.
        {"dragged down", Packed(DraggedThumb(50, 30, 30, 16, 200)), 80110},
        {"dragged above the first arrow", Packed(DraggedThumb(50, -100, 30, 16, 200)), 16046},
        {"dragged past the second arrow", Packed(DraggedThumb(50, 500, 30, 16, 200)), 154184},
        {"a thumb longer than the track", Packed(DraggedThumb(50, 10, 500, 16, 200)), 16184},
        {"dragged on a short bar", Packed(DraggedThumb(0, 40, 30, 16, 20)), 10010},

        // The grip cell centred in the thumb, or skipped.
        {"grip in the thumb", GripStart(thumb, 16, 200), 57},
        {"a thumb not longer than the cell less 2", GripStart({50, 64}, 16, 200), -1},
        {"a thumb just long enough", GripStart({50, 65}, 16, 200), 50},
        {"a grip that would leave the panel", GripStart({190, 220}, 16, 200), -1},
        {"no grip cell", GripStart(thumb, 0, 200), -1},

        // Frames of the Scrollbar strip.
        {"left arrow", ArrowFrame(false, spFirstArrow, spNone, false), 1},
        {"left arrow hot", ArrowFrame(false, spFirstArrow, spFirstArrow, false), 4},
        {"left arrow pressed", ArrowFrame(false, spFirstArrow, spFirstArrow, true), 2},
        {"right arrow while the left is hot", ArrowFrame(false, spSecondArrow, spFirstArrow, false), 5},
        {"up arrow", ArrowFrame(true, spFirstArrow, spThumb, true), 9},
        {"down arrow hot", ArrowFrame(true, spSecondArrow, spSecondArrow, false), 16},
        {"down arrow pressed", ArrowFrame(true, spSecondArrow, spSecondArrow, true), 14},
        {"disabled left arrow", DisabledArrowFrame(false, spFirstArrow), 3},
        {"disabled right arrow", DisabledArrowFrame(false, spSecondArrow), 7},
        {"disabled up arrow", DisabledArrowFrame(true, spFirstArrow), 11},
        {"disabled down arrow", DisabledArrowFrame(true, spSecondArrow), 15},
        {"horizontal grip", GripFrame(false, spNone, false), 17},
        {"horizontal grip pressed", GripFrame(false, spThumb, true), 18},
        {"horizontal grip hot", GripFrame(false, spThumb, false), 19},
        {"vertical grip", GripFrame(true, spTrackAfter, true), 20},
        {"vertical grip hot", GripFrame(true, spThumb, false), 22},
        {"thumb", ThumbFrame(spFirstArrow, true, 3), 1},
        {"thumb pressed", ThumbFrame(spThumb, true, 3), 2},
        {"thumb hot", ThumbFrame(spThumb, false, 3), 3},
        {"hot thumb of a one-frame strip", ThumbFrame(spThumb, false, 1), 1},
        {"thumb of a strip counted 0", ThumbFrame(spThumb, true, 0), 1},
        {"track", TrackFrame(true, 4), 1},
        {"disabled track", TrackFrame(false, 4), 3},
        {"disabled track of a two-frame strip", TrackFrame(false, 2), 2},
        {"disabled track of a strip counted -2", TrackFrame(false, -2), 1},
        {"frame past the strip", ClampFrame(30, 23), 23},
        {"frame 0", ClampFrame(0, 5), 1},

        // Rounding as the system's scaling does it, and no division by zero.
        {"half rounds up", ScaleRound(10, 3, 4), 8},
        {"negative half rounds away from zero", ScaleRound(-10, 3, 4), -8},
        {"division by zero", ScaleRound(1, 1, 0), -1},
        {"large products", ScaleRound(100000, 100000, 1000000), 10000},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, c.got) << c.what;
}

}  // namespace
}  // namespace tw
