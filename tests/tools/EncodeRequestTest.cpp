#include "tools/encoder/EncodeRequest.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tw::tools;

namespace {

// The converter's command line after the program name, as the runtime splits it.
std::vector<std::string> ConverterArguments() {
    return {"-i", "C:\\视频\\a b.avi", "-vcodec", "mpeg4", "-f",  "3gp",   "-b",  "120K", "-r", "14.985",
            "-s", "176x144",           "-ar",     "8000",  "-ab", "12.2K", "-ac", "1",    "-y", "D:\\Out\\a b.3GP"};
}

// True when `option` is directly followed by `value` in `arguments`.
bool HasPair(const std::vector<std::string>& arguments, const std::string& option, const std::string& value) {
    for (size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == option && arguments[i + 1] == value) return true;
    }
    return false;
}

}  // namespace

TEST(EncodeRequest, ReadsTheConverterCommandLine) {
    EncodeRequest request;
    std::string error;
    ASSERT_TRUE(ParseEncodeRequest(ConverterArguments(), &request, &error)) << error;
    EXPECT_EQ(request.input, "C:\\视频\\a b.avi");
    EXPECT_EQ(request.output, "D:\\Out\\a b.3GP");
    EXPECT_EQ(request.videoCodec, "mpeg4");
    EXPECT_EQ(request.videoBitrate, "120K");
    EXPECT_EQ(request.frameRate, "14.985");
    EXPECT_EQ(request.frameSize, "176x144");
    EXPECT_EQ(request.audioBitrate, "12.2K");
    EXPECT_EQ(request.sampleRate, "8000");
    EXPECT_EQ(request.channels, "1");
    EXPECT_TRUE(request.overwrite);
}

TEST(EncodeRequest, RejectsWhatItCannotPassOn) {
    auto fails = [](std::vector<std::string> arguments, const std::string& reason) {
        EncodeRequest request;
        std::string error;
        EXPECT_FALSE(ParseEncodeRequest(arguments, &request, &error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    };
    fails({"-i", "a.avi", "-vf", "scale=2:2", "out.3gp"}, "unknown option -vf");
    fails({"-i", "a.avi", "out.3gp", "-b"}, "-b needs a value");
    fails({"-i", "a.avi"}, "no output file");
    fails({"a.avi", "out.3gp"}, "no input file");
    fails({"-i", "a.avi", "one.3gp", "two.3gp"}, "two.3gp");
}

TEST(EncodeRequest, TranslatesToTodaysOptionsWithOptionalStreams) {
    EncodeRequest request;
    std::string error;
    ASSERT_TRUE(ParseEncodeRequest(ConverterArguments(), &request, &error));
    std::vector<std::string> arguments = BuildFfmpegArguments(request, "libopencore_amrnb");
    EXPECT_TRUE(HasPair(arguments, "-i", "C:\\视频\\a b.avi"));
    EXPECT_TRUE(HasPair(arguments, "-c:v", "mpeg4"));
    EXPECT_TRUE(HasPair(arguments, "-b:v", "120K"));  // a bare -b would set the audio rate too
    EXPECT_TRUE(HasPair(arguments, "-b:a", "12.2K"));
    EXPECT_TRUE(HasPair(arguments, "-r", "14.985"));
    EXPECT_TRUE(HasPair(arguments, "-s", "176x144"));
    EXPECT_TRUE(HasPair(arguments, "-c:a", "libopencore_amrnb"));
    EXPECT_TRUE(HasPair(arguments, "-ar", "8000"));
    EXPECT_TRUE(HasPair(arguments, "-ac", "1"));
    EXPECT_TRUE(HasPair(arguments, "-f", "3gp"));
    EXPECT_TRUE(HasPair(arguments, "-map", "0:a:0?"));  // sources without sound still convert
    EXPECT_TRUE(HasPair(arguments, "-progress", "pipe:1"));
    EXPECT_NE(std::find(arguments.begin(), arguments.end(), "-y"), arguments.end());
    // Output options come after the input, the output file last.
    auto input = std::find(arguments.begin(), arguments.end(), "-i") - arguments.begin();
    auto codec = std::find(arguments.begin(), arguments.end(), "-c:v") - arguments.begin();
    EXPECT_LT(input, codec);
    EXPECT_EQ(arguments.back(), "D:\\Out\\a b.3GP");
}

TEST(EncodeRequest, AudioCodecFollowsTheBuildAndTheSettings) {
    EncodeRequest request;
    request.sampleRate = "8000";
    request.channels = "1";
    EXPECT_EQ(ChooseAudioCodec(request, true), "libopencore_amrnb");
    EXPECT_EQ(ChooseAudioCodec(request, false), "aac");
    request.sampleRate = "44100";  // AMR-NB only takes 8000 Hz mono
    EXPECT_EQ(ChooseAudioCodec(request, true), "aac");
    request.audioCodec = "libopencore_amrnb";
    EXPECT_EQ(ChooseAudioCodec(request, false), "libopencore_amrnb");
}

TEST(EncodeRequest, FindsAnAmrNbEncoderInTheListing) {
    const std::string withAmr =
        "Encoders:\n V..... = Video\n ------\n V.S... mpeg4                MPEG-4 part 2\n"
        " A..... aac                  AAC (Advanced Audio Coding)\n"
        " A..... libopencore_amrnb    OpenCORE AMR-NB (Adaptive Multi-Rate Narrow-Band) (codec amr_nb)\n";
    const std::string withoutAmr =
        "Encoders:\n A..... aac                  AAC (Advanced Audio Coding)\n"
        " A..... libvo_amrwbenc       Android VisualOn AMR-WB (codec amr_wb)\n"
        " A..... = Audio, mentions libopencore_amrnb in a legend only\n";
    EXPECT_TRUE(ListsAmrNbEncoder(withAmr));
    EXPECT_TRUE(ListsAmrNbEncoder(" A....D amr_nb  built-in AMR-NB\r\n"));
    EXPECT_FALSE(ListsAmrNbEncoder(withoutAmr));
    EXPECT_FALSE(ListsAmrNbEncoder(""));
}
