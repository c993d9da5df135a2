#include "skin/controls/TrackGeometry.h"

#include <algorithm>

namespace tw {

TRect UprightVerticalChannel(const TRect& reported) {
    if (reported.Width() <= reported.Height()) return reported;
    return TRect{reported.Top, reported.Left, reported.Bottom, reported.Right};
}

namespace {

// A slice in axis terms: along the bar from..to in the source and in the channel.
struct TAxisSlice {
    int SourceFrom, SourceTo, DestFrom, DestTo;
};

}  // namespace

int ChannelSlices(bool vertical, const TRect& channel, int imageWidth, int imageHeight, int startCut, int endCut,
                  TChannelSlice out[3]) {
    if (channel.IsEmpty() || imageWidth <= 0 || imageHeight <= 0) return 0;
    // Work along the bar's axis and across it, then turn the result back.
    const int imageAlong = vertical ? imageHeight : imageWidth;
    const int imageAcross = vertical ? imageWidth : imageHeight;
    const int chanFrom = vertical ? channel.Top : channel.Left;
    const int chanTo = vertical ? channel.Bottom : channel.Right;
    const int chanAcrossFrom = vertical ? channel.Left : channel.Top;
    const int chanAcross = vertical ? channel.Width() : channel.Height();
    const int across = chanAcrossFrom + (imageAcross < chanAcross ? (chanAcross - imageAcross) / 2 : 0);

    // Ends never take more than the image has; the middle gets what both leave.
    const int first = std::clamp(startCut, 0, imageAlong);
    const int last = std::clamp(endCut, 0, imageAlong - first);
    const TAxisSlice pieces[3] = {
        {0, first, chanFrom, chanFrom + first},
        {first, imageAlong - last, chanFrom + first, chanTo - last},
        {imageAlong - last, imageAlong, chanTo - last, chanTo},
    };
    int count = 0;
    for (const TAxisSlice& p : pieces) {
        if (p.SourceTo <= p.SourceFrom || p.DestTo <= p.DestFrom) continue;
        TChannelSlice& s = out[count++];
        if (vertical) {
            s.Source = TRect{0, p.SourceFrom, imageWidth, p.SourceTo};
            s.Dest = TRect{across, p.DestFrom, across + imageWidth, p.DestTo};
        } else {
            s.Source = TRect{p.SourceFrom, 0, p.SourceTo, imageHeight};
            s.Dest = TRect{p.DestFrom, across, p.DestTo, across + imageHeight};
        }
    }
    return count;
}

int TrackThumbFrame(bool enabled, bool hot, bool pressed) {
    if (!enabled) return 5;
    if (pressed) return 3;
    return hot ? 4 : 2;
}

}  // namespace tw
