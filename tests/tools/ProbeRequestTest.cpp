#include "tools/probe/ProbeRequest.h"

#include <gtest/gtest.h>

using namespace tw::tools;

TEST(ProbeRequest, SourceOfTheConverterCommandLine) {
    EXPECT_EQ(ProbeSource({"-msglevel", "identify=6", "-vo", "none", "-ao", "none", "C:\\视频\\a b.rm", "2>&1", "|grep",
                           "ID_LENGTH"}),
              "C:\\视频\\a b.rm");
    EXPECT_EQ(ProbeSource({"-identify", "-vo", "null", "x.avi"}), "x.avi");
    EXPECT_EQ(ProbeSource({"-msglevel", "identify=6"}), "");
    EXPECT_EQ(ProbeSource({}), "");
}

TEST(ProbeRequest, DurationFromTheInputHeader) {
    DurationReader reader;
    reader.Feed("[mpeg @ 0x1] start time for stream 1 is not set");
    reader.Feed("  Duration: 09:99:99.00, start: 0");  // before the input header: not ours
    reader.Feed("Input #0, avi, from 'C:\\a.avi':");
    reader.Feed("  Metadata:");
    reader.Feed("    DURATION        : 00:00:01.000000000");
    reader.Feed("  Duration: 01:02:05.87, start: 0.000000, bitrate: 512 kb/s\r");
    reader.Feed("  Duration: 00:00:01.00, start: 0.000000, bitrate: 512 kb/s");
    reader.Feed("At least one output file must be specified");
    EXPECT_TRUE(reader.Opened());
    ASSERT_TRUE(reader.HasDuration());
    EXPECT_NEAR(reader.Seconds(), 3725.87, 1e-9);
}

TEST(ProbeRequest, UnknownOrUnreadable) {
    DurationReader unknown;
    unknown.Feed("Input #0, h264, from 'raw.264':");
    unknown.Feed("  Duration: N/A, bitrate: N/A");
    EXPECT_TRUE(unknown.Opened());
    EXPECT_FALSE(unknown.HasDuration());

    DurationReader broken;
    broken.Feed("C:\\bad.avi: Invalid data found when processing input");
    broken.Feed("");
    EXPECT_FALSE(broken.Opened());
    EXPECT_FALSE(broken.HasDuration());
    EXPECT_EQ(broken.LastMessage(), "C:\\bad.avi: Invalid data found when processing input");
}

TEST(ProbeRequest, LengthLineNeverRoundsUp) {
    EXPECT_EQ(LengthLine(125.87), "ID_LENGTH=125.87");
    EXPECT_EQ(LengthLine(3.07), "ID_LENGTH=3.07");
    EXPECT_EQ(LengthLine(59.999), "ID_LENGTH=59.99");  // the converter truncates: 59, not 60
    EXPECT_EQ(LengthLine(0), "ID_LENGTH=0.00");
}
