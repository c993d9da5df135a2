#include "skin/controls/ScrollGeometry.h"

#include <algorithm>
#include <cstdint>

namespace tw {

namespace {

constexpr int kThumbMinimum = 8;
constexpr int kScrollbarFrames = 23;

}  // namespace

int ScaleRound(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (product < 0 ? -product : product);
    const int64_t divisor = c < 0 ? -static_cast<int64_t>(c) : c;
    const int64_t q = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -q : q);
}

TThumbSpan ControlThumb(int barLength, int arrow, const TScrollState& state, bool eightPixelMinimum) {
    const int a = ArrowLength(barLength, arrow);
    const int track = std::max(0, barLength - 2 * a);
    int range = state.Max - state.Min;
    if (range == 0) range = 9999999;
    const int offset = state.Pos - state.Min;
    int length = 0, start = a;
    if (state.Page > 0) {
        length = ScaleRound(track, state.Page - 1, range);
        if (length >= kThumbMinimum || !eightPixelMinimum) {
            if (offset != 0) start = a + ScaleRound(track, offset, range);
        } else {
            length = kThumbMinimum;
            if (offset != 0) start = a + ScaleRound(track - kThumbMinimum, offset, range);
        }
    } else {
        length = a;
        if (offset != 0) start = a + ScaleRound(barLength - 3 * a, offset, range);
    }
    // Whatever the state says, the thumb stays on the track between the arrows.
    length = std::clamp(length, 0, track);
    start = std::clamp(start, a, a + track - length);
    return TThumbSpan{start, start + length};
}

int ArrowLength(int barLength, int arrow) {
    if (barLength <= 0 || arrow <= 0) return 0;
    return barLength < 2 * arrow ? barLength / 2 : arrow;
}

TScrollPart ScrollHitTest(int p, int arrow, int barLength, const TThumbSpan& thumb) {
    const int a = ArrowLength(barLength, arrow);
    if (p < a) return spFirstArrow;
    if (p < thumb.Start) return spTrackBefore;
    if (p < thumb.End) return spThumb;
    if (p < barLength - a) return spTrackAfter;
    return spSecondArrow;
}

TThumbSpan DraggedThumb(int startAtPress, int delta, int thumbLength, int arrow, int barLength) {
    const int a = ArrowLength(barLength, arrow);
    const int length = std::clamp(thumbLength, 0, std::max(0, barLength - 2 * a));
    const int start = std::clamp(startAtPress + delta, a, std::max(a, barLength - a - length));
    return TThumbSpan{start, start + length};
}

int GripStart(const TThumbSpan& thumb, int cell, int panelLength) {
    if (cell <= 0 || thumb.Length() <= cell - 2) return -1;
    const int start = thumb.Start + (thumb.Length() - cell) / 2;
    if (start < 0 || start + cell > panelLength) return -1;
    return start;
}

int ClampFrame(int index, int frameCount) { return std::clamp(index, 1, std::max(1, frameCount)); }

int ArrowFrame(bool vertical, TScrollPart arrow, TScrollPart hot, bool tracking) {
    int frame = vertical ? 9 : 1;
    if (arrow == spSecondArrow) frame += 4;
    if (arrow == hot) frame += tracking ? 1 : 3;
    return ClampFrame(frame, kScrollbarFrames);
}

int DisabledArrowFrame(bool vertical, TScrollPart arrow) {
    return ClampFrame((vertical ? 9 : 1) + (arrow == spSecondArrow ? 4 : 0) + 2, kScrollbarFrames);
}

int GripFrame(bool vertical, TScrollPart hot, bool tracking) {
    int frame = vertical ? 20 : 17;
    if (hot == spThumb) frame += tracking ? 1 : 2;
    return ClampFrame(frame, kScrollbarFrames);
}

int ThumbFrame(TScrollPart hot, bool tracking, int frameCount) {
    int frame = 1;
    if (hot == spThumb) frame = tracking ? 2 : 3;
    return ClampFrame(frame, frameCount);
}

int TrackFrame(bool enabled, int frameCount) { return ClampFrame(enabled ? 1 : 3, frameCount); }

}  // namespace tw
