// The two console tools run for real on the test media, with the real FFmpeg behind them.
#include "tests/tools/ToolRun.h"
#include "tools/encoder/AmrNbCheck.h"
#include "tools/encoder/FfmpegLocator.h"
#include "tools/encoder/ProgressReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

using namespace tw::tools::test;

namespace {

const char* const kFamilies[] = {"clip.avi", "clip.mpg", "clip.vob", "clip.dat", "clip.wmv",
                                 "clip.asf", "clip.mp4", "clip.3gp", "clip.mov", "clip.rm"};

std::string Media(const std::string& name) { return HostPath(std::string(TW_TEST_MEDIA) + "/" + name); }

// The real FFmpeg, used to look at what the encoder wrote.
std::string RealFfmpeg() {
#ifdef TW_CODECS_FFMPEG
    return HostPath(TW_CODECS_FFMPEG);
#else
    tw::tools::FfmpegSearch search;
    search.pathVariable = std::getenv("PATH") ? std::getenv("PATH") : "";
    return tw::tools::FindFfmpeg(search, nullptr);
#endif
}

RunResult Probe(const std::string& source, const std::string& probe = HostPath(TW_PROBE_EXE)) {
    return RunProgram(probe,
                      {"-msglevel", "identify=6", "-vo", "none", "-ao", "none", source, "2>&1", "|grep", "ID_LENGTH"});
}

RunResult Encode(const std::string& source, const std::string& output,
                 const std::string& encoder = HostPath(TW_ENCODER_EXE)) {
    return RunProgram(encoder, {"-i", source,    "-vcodec", "mpeg4", "-f",  "3gp",   "-b",  "120K", "-r", "14.985",
                                "-s", "176x144", "-ar",     "8000",  "-ab", "12.2K", "-ac", "1",    "-y", output});
}

double LengthOf(const RunResult& result) {
    for (const std::string& line : result.lines) {
        if (line.compare(0, 10, "ID_LENGTH=") == 0) return std::atof(line.c_str() + 10);
    }
    return -1;
}

std::vector<double> MarkersOf(const RunResult& result) {
    const std::string head = "ffmpeg_release_time=", tail = "=ffmpeg_release_time";
    std::vector<double> markers;
    for (const std::string& line : result.lines) {
        if (line.size() > head.size() + tail.size() && line.compare(0, head.size(), head) == 0 &&
            line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
            markers.push_back(std::atof(line.c_str() + head.size()));
    }
    return markers;
}

struct StreamInfo {
    bool readable = false;
    std::string container, video, audio;
};

StreamInfo Inspect(const std::string& file) {
    StreamInfo info;
    RunResult result = RunProgram(RealFfmpeg(), {"-hide_banner", "-nostdin", "-i", file});
    for (const std::string& line : result.lines) {
        if (line.compare(0, 9, "Input #0,") == 0) {
            info.readable = true;
            info.container = line;
        }
        if (line.find("Stream #0:") != std::string::npos && line.find("Video:") != std::string::npos) info.video = line;
        if (line.find("Stream #0:") != std::string::npos && line.find("Audio:") != std::string::npos) info.audio = line;
    }
    return info;
}

bool BuildHasAmrNb() {
    RunResult result = RunProgram(RealFfmpeg(), {"-hide_banner", "-encoders"});
    return result.output.find("libopencore_amrnb") != std::string::npos;
}

void ExpectConverterOutput(const StreamInfo& info, bool withSound) {
    EXPECT_TRUE(info.readable);
    EXPECT_NE(info.container.find("3gp"), std::string::npos) << info.container;
    EXPECT_NE(info.video.find("Video: mpeg4"), std::string::npos) << info.video;
    EXPECT_NE(info.video.find("176x144"), std::string::npos) << info.video;
    EXPECT_NE(info.video.find("14.98 fps"), std::string::npos) << info.video;
    if (withSound) {
        EXPECT_NE(info.audio.find("8000 Hz"), std::string::npos) << info.audio;
        EXPECT_NE(info.audio.find("mono"), std::string::npos) << info.audio;
    } else {
        EXPECT_EQ(info.audio, "");
    }
}

// A copy of a front-end in a folder of its own, with no codecs folder beside it.
std::string LoneCopy(const TempFolder& folder, const char* built) {
    std::filesystem::path from = FsPath(built);
    std::filesystem::path to = folder.Path() / from.filename();
    std::filesystem::copy_file(from, to);
    return HostPath(Utf8Of(to));
}

}  // namespace

TEST(ProbeRun, LengthOfEveryFamily) {
    for (const char* name : kFamilies) {
        RunResult result = Probe(Media(name));
        EXPECT_EQ(result.exitCode, 0) << name << "\n" << result.output;
        double length = LengthOf(result);
        EXPECT_GT(length, 2.9) << name << "\n" << result.output;
        EXPECT_LT(length, 3.3) << name << "\n" << result.output;
    }
    EXPECT_NEAR(LengthOf(Probe(Media("silent.mp4"))), 3.0, 0.1);
    EXPECT_NEAR(LengthOf(Probe(Media("sample.avi"))), 5.0, 0.2);
    EXPECT_NEAR(LengthOf(Probe(Media("raw.m4v"))), 3.0, 0.1);  // read through: no time in the header
}

TEST(ProbeRun, UnreadableFilesGiveNoLength) {
    for (const std::string& source : {Media("corrupt.avi"), Media("no such file.avi")}) {
        RunResult result = Probe(source);
        EXPECT_NE(result.exitCode, 0) << source;
        std::string lower = result.output;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return std::tolower(c); });
        EXPECT_EQ(lower.find("id_length="), std::string::npos) << result.output;
        EXPECT_TRUE(result.HasLineStartingWith("mplayer: cannot identify")) << result.output;
    }
}

TEST(ProbeRun, ChineseFolderAndNameWithBlanks) {
    TempFolder folder("probe");
    std::filesystem::path dir = folder.Path() / FsPath("视频 文件");
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(FsPath(TW_TEST_MEDIA) / "clip.avi", dir / FsPath("我的 视频.avi"));
    RunResult result = Probe(HostPath(Utf8Of(dir / FsPath("我的 视频.avi"))));
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NEAR(LengthOf(result), 3.0, 0.1) << result.output;
}

TEST(EncoderRun, EveryFamilyBecomesA3gp) {
    TempFolder folder("encode");
    for (const char* name : kFamilies) {
        std::string output = Utf8Of(folder.Path() / FsPath(std::string(name) + ".3GP"));
        RunResult result = Encode(Media(name), HostPath(output));
        EXPECT_EQ(result.exitCode, 0) << name << "\n" << result.output;
        EXPECT_FALSE(MarkersOf(result).empty()) << name;
        ExpectConverterOutput(Inspect(HostPath(output)), true);
    }
}

TEST(EncoderRun, SourceWithoutSound) {
    TempFolder folder("encode");
    std::string output = HostPath(Utf8Of(folder.Path() / "silent.3GP"));
    RunResult result = Encode(Media("silent.mp4"), output);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    ExpectConverterOutput(Inspect(output), false);
}

TEST(EncoderRun, MarkersIncreaseToTheEnd) {
    TempFolder folder("encode");
    RunResult result = Encode(Media("long.avi"), HostPath(Utf8Of(folder.Path() / "long.3GP")));
    EXPECT_EQ(result.exitCode, 0) << result.output;
    std::vector<double> markers = MarkersOf(result);
    ASSERT_FALSE(markers.empty()) << result.output;
    for (size_t i = 1; i < markers.size(); ++i) EXPECT_GT(markers[i], markers[i - 1]);
    EXPECT_NEAR(markers.back(), 12.0, 0.5);
    // Markers stand on lines of their own, as the converter's line reader wants them.
    EXPECT_NE(result.output.find(tw::tools::ProgressMarker(markers.back())), std::string::npos);
}

TEST(EncoderRun, ChineseFolderAndNameWithBlanks) {
    TempFolder folder("encode");
    std::filesystem::path dir = folder.Path() / FsPath("输出 文件夹");
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(FsPath(TW_TEST_MEDIA) / "clip.mov", dir / FsPath("我的 视频.mov"));
    std::string output = HostPath(Utf8Of(dir / FsPath("我的 视频.3GP")));
    RunResult result = Encode(HostPath(Utf8Of(dir / FsPath("我的 视频.mov"))), output);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    StreamInfo info = Inspect(output);
    ExpectConverterOutput(info, true);
    // AMR-NB where the build has it, else the AAC that 3GP also takes.
    const char* codec = BuildHasAmrNb() ? "Audio: amr_nb" : "Audio: aac";
    EXPECT_NE(info.audio.find(codec), std::string::npos) << info.audio;
}

TEST(EncoderRun, FailuresKeepFfmpegsWordAndStatus) {
    TempFolder folder("encode");
    RunResult corrupt = Encode(Media("corrupt.avi"), HostPath(Utf8Of(folder.Path() / "corrupt.3GP")));
    EXPECT_NE(corrupt.exitCode, 0);
    EXPECT_FALSE(corrupt.output.empty());
    EXPECT_TRUE(MarkersOf(corrupt).empty()) << corrupt.output;

    RunResult usage = RunProgram(HostPath(TW_ENCODER_EXE), {"-i", Media("clip.avi"), "-vf", "x", "out.3gp"});
    EXPECT_EQ(usage.exitCode, 1);
    EXPECT_TRUE(usage.HasLineStartingWith("ffmpeg: unknown option -vf")) << usage.output;
}

TEST(FrontEnds, MissingFfmpegIsOneClearLine) {
    TempFolder folder("lone");
    std::string probe = LoneCopy(folder, TW_PROBE_EXE);
    std::string encoder = LoneCopy(folder, TW_ENCODER_EXE);
    ScopedEnvironment path("PATH", HostPath(Utf8Of(folder.Path() / "nothing here")));

    RunResult probed = Probe(Media("clip.avi"), probe);
    EXPECT_EQ(probed.exitCode, 127);
    ASSERT_EQ(probed.lines.size(), 1u) << probed.output;
    EXPECT_EQ(probed.lines[0].compare(0, 44, "mplayer: the FFmpeg program was not found (l"), 0) << probed.lines[0];

    RunResult encoded = Encode(Media("clip.avi"), HostPath(Utf8Of(folder.Path() / "x.3GP")), encoder);
    EXPECT_EQ(encoded.exitCode, 127);
    ASSERT_EQ(encoded.lines.size(), 1u) << encoded.output;
    EXPECT_EQ(encoded.lines[0].compare(0, 43, "ffmpeg: the FFmpeg program was not found (l"), 0) << encoded.lines[0];
}

TEST(EncoderRun, AmrNbAnswerIsKeptPerFfmpegBuild) {
    TempFolder cache("cache");
    const std::filesystem::path file = cache.Path() / "tarnwick-ffmpeg-encoders.txt";
    const bool truth = BuildHasAmrNb();
    EXPECT_EQ(tw::tools::FfmpegHasAmrNb(RealFfmpeg(), cache.Utf8()), truth);

    std::string stamp, answer;
    {
        std::ifstream in(file);
        ASSERT_TRUE(std::getline(in, stamp) && std::getline(in, answer));
    }
    EXPECT_EQ(answer, truth ? "1" : "0");
    auto rewrite = [&file](const std::string& text) { std::ofstream(file, std::ios::trunc) << text; };

    // The same build: the kept answer is used without asking (a planted opposite proves it).
    rewrite(stamp + "\n" + (truth ? "0" : "1") + "\n");
    EXPECT_EQ(tw::tools::FfmpegHasAmrNb(RealFfmpeg(), cache.Utf8()), !truth);
    // Another build, or a damaged file: asked again.
    rewrite("another build|1|2\n" + std::string(truth ? "0" : "1") + "\n");
    EXPECT_EQ(tw::tools::FfmpegHasAmrNb(RealFfmpeg(), cache.Utf8()), truth);
    rewrite(stamp + "\nmaybe\n");
    EXPECT_EQ(tw::tools::FfmpegHasAmrNb(RealFfmpeg(), cache.Utf8()), truth);
}
