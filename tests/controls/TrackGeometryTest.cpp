// The skinned track bar's channel arithmetic: a vertical channel reported either way round comes
// out upright, the image's ends keep their size and the middle stretches, a thin image is centred
// across the channel, channels or images with no extent draw nothing, and the thumb shows the
// strip's frame for each state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/TrackGeometry.h"

namespace tw {
namespace {

std::string Text(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

// The slices as "source>dest" joined by spaces, for one readable comparison per case.
std::string Slices(bool vertical, const TRect& channel, int w, int h, int startCut, int endCut) {
    TChannelSlice out[3];
    const int n = ChannelSlices(vertical, channel, w, h, startCut, endCut, out);
    std::string text;
    for (int i = 0; i < n; ++i) text += (i ? " " : "") + Text(out[i].Source) + ">" + Text(out[i].Dest);
    return text;
}

TEST(TrackGeometryTest, VerticalChannelIsUprightWhicheverWayItIsReported) {
    // The same 4 x 100 channel as Windows reports it (exchanged) and as Wine does (upright).
    EXPECT_EQ(Text(UprightVerticalChannel({8, 12, 108, 16})), "12,8,16,108");
    EXPECT_EQ(Text(UprightVerticalChannel({12, 8, 16, 108})), "12,8,16,108");
    EXPECT_EQ(Text(UprightVerticalChannel({5, 5, 9, 9})), "5,5,9,9");
}

TEST(TrackGeometryTest, SlicesOfHorizontalAndVerticalChannels) {
    struct Case {
        const char* what;
        std::string got, expected;
    };
    const Case cases[] = {
        {"horizontal: ends kept, middle stretched, thin image centred", Slices(false, {10, 20, 110, 30}, 20, 4, 3, 5),
         "0,0,3,4>10,23,13,27 3,0,15,4>13,23,105,27 15,0,20,4>105,23,110,27"},
        {"horizontal: an image taller than the channel starts at its top", Slices(false, {0, 5, 50, 8}, 10, 6, 2, 2),
         "0,0,2,6>0,5,2,11 2,0,8,6>2,5,48,11 8,0,10,6>48,5,50,11"},
        {"vertical: rows from the top and bottom, centred across", Slices(true, {12, 8, 18, 108}, 4, 30, 6, 7),
         "0,0,4,6>13,8,17,14 0,6,4,23>13,14,17,101 0,23,4,30>13,101,17,108"},
        {"no end cuts: one stretched slice", Slices(false, {0, 0, 40, 4}, 10, 4, 0, 0), "0,0,10,4>0,0,40,4"},
        {"cuts larger than the image leave no middle", Slices(false, {0, 0, 40, 4}, 10, 4, 8, 8),
         "0,0,8,4>0,0,8,4 8,0,10,4>38,0,40,4"},
        {"a channel shorter than the ends drops the middle", Slices(false, {0, 0, 6, 4}, 10, 4, 3, 3),
         "0,0,3,4>0,0,3,4 7,0,10,4>3,0,6,4"},
        {"a channel of height 0 is skipped", Slices(false, {0, 10, 100, 10}, 10, 4, 2, 2), ""},
        {"a channel of negative height is skipped", Slices(true, {0, 50, 4, 10}, 4, 10, 2, 2), ""},
        {"an image of height 0 is skipped", Slices(false, {0, 0, 100, 4}, 10, 0, 2, 2), ""},
        {"an image of width 0 is skipped", Slices(true, {0, 0, 4, 100}, 0, 10, 2, 2), ""},
        {"negative cuts read as 0", Slices(false, {0, 0, 40, 4}, 10, 4, -3, -1), "0,0,10,4>0,0,40,4"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(TrackGeometryTest, ThumbFrameOfEachState) {
    struct Case {
        bool enabled, hot, pressed;
        int frame;
    } cases[] = {
        {true, false, false, 2}, {true, true, false, 4},   {true, false, true, 3},
        {true, true, true, 3},   {false, false, false, 5}, {false, true, true, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.frame, TrackThumbFrame(c.enabled, c.hot, c.pressed))
            << "enabled " << c.enabled << " hot " << c.hot << " pressed " << c.pressed;
}

}  // namespace
}  // namespace tw
