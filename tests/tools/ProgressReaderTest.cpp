#include "tools/encoder/LineSplitter.h"
#include "tools/encoder/ProgressReader.h"

#include <gtest/gtest.h>

using tw::tools::LineSplitter;
using tw::tools::ProgressMarker;
using tw::tools::ProgressReader;

namespace {

// Feeds a whole block and returns the time it reported, or -1.
double FeedBlock(ProgressReader& reader, const std::vector<std::string>& lines) {
    double reported = -1;
    for (const std::string& line : lines) {
        double seconds = 0;
        if (reader.Feed(line, &seconds)) reported = seconds;
    }
    return reported;
}

}  // namespace

TEST(ProgressReader, MarkerHasTheFixedFrame) {
    EXPECT_EQ(ProgressMarker(12.5), "ffmpeg_release_time=12.50=ffmpeg_release_time");
    EXPECT_EQ(ProgressMarker(0), "ffmpeg_release_time=0.00=ffmpeg_release_time");
}

TEST(ProgressReader, ReportsEachBlockThatMovesForward) {
    ProgressReader reader;
    EXPECT_DOUBLE_EQ(FeedBlock(reader, {"frame=10", "out_time_us=1500000", "out_time_ms=1500000",
                                        "out_time=00:00:01.500000", "speed=2x", "progress=continue"}),
                     1.5);
    EXPECT_FALSE(reader.Ended());
    // The same time again (a stalled encoder) and an earlier one are not repeated.
    EXPECT_EQ(FeedBlock(reader, {"out_time_us=1500000", "progress=continue"}), -1);
    EXPECT_EQ(FeedBlock(reader, {"out_time_us=1000000", "progress=continue"}), -1);
    EXPECT_DOUBLE_EQ(FeedBlock(reader, {"out_time_us=3070000", "progress=end"}), 3.07);
    EXPECT_TRUE(reader.Ended());
}

TEST(ProgressReader, OlderBuildsAndClockOnlyBlocks) {
    ProgressReader older;  // out_time_ms holds microseconds there as well
    EXPECT_DOUBLE_EQ(FeedBlock(older, {"out_time_ms=2000000", "out_time=00:00:02.000000", "progress=continue"}), 2.0);
    ProgressReader clock;
    EXPECT_DOUBLE_EQ(FeedBlock(clock, {"out_time=01:02:03.250000", "progress=continue"}), 3723.25);
}

TEST(ProgressReader, UnknownTimesAreSkipped) {
    ProgressReader reader;
    EXPECT_EQ(FeedBlock(reader, {"out_time_us=N/A", "out_time_ms=N/A", "out_time=N/A", "progress=continue"}), -1);
    EXPECT_EQ(FeedBlock(reader, {"out_time_us=-23220", "progress=continue"}), -1);
    EXPECT_EQ(FeedBlock(reader, {"out_time_us=12abc", "progress=continue"}), -1);
    // A time seen in an earlier block does not leak into the next one.
    EXPECT_DOUBLE_EQ(FeedBlock(reader, {"out_time_us=500000", "progress=continue"}), 0.5);
    EXPECT_EQ(FeedBlock(reader, {"out_time_us=N/A", "progress=continue"}), -1);
}

TEST(LineSplitter, AllLineEndsAndPiecesAcrossReads) {
    std::vector<std::string> lines;
    LineSplitter splitter([&lines](const std::string& line) { lines.push_back(line); });
    std::string first = "a\r\nb\nc\rd\r";
    std::string second = "\nlast";
    splitter.Feed(first.data(), first.size());
    splitter.Feed(second.data(), second.size());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
    splitter.Finish();
    EXPECT_EQ(lines.back(), "last");
    splitter.Finish();
    EXPECT_EQ(lines.size(), 5u);
}
