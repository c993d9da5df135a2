// ffmpeg: the converter's encoder. Reads its old-style command line, runs the real FFmpeg with the
// same settings and reports the media time reached as ffmpeg_release_time lines.
#include "tools/encoder/ChildProcess.h"
#include "tools/encoder/EncodeRequest.h"
#include "tools/encoder/FfmpegLocator.h"
#include "tools/encoder/LineSplitter.h"
#include "tools/encoder/ProgressReader.h"
#include "tools/encoder/ToolPlatform.h"

#include <exception>

namespace {

using namespace tw::tools;

constexpr int kUsageError = 1;
constexpr int kNoFfmpeg = 127;

bool HasAmrNbEncoder(const std::string& ffmpeg)
{
    ChildProcess lister;
    if (!lister.Start(ffmpeg, {"-hide_banner", "-nostdin", "-encoders"}, ChildStderr::ToPipe, nullptr))
        return false;
    std::string listing;
    char buffer[4096];
    while (size_t got = lister.Read(buffer, sizeof buffer))
        listing.append(buffer, got);
    lister.Wait();
    return ListsAmrNbEncoder(listing);
}

int Run(const std::vector<std::string>& arguments)
{
    EncodeRequest request;
    std::string error;
    if (!ParseEncodeRequest(arguments, &request, &error)) {
        WriteErr("ffmpeg: " + error + "\n");
        return kUsageError;
    }
    std::string lookedIn;
    std::string ffmpeg = FindFfmpeg(&lookedIn);
    if (ffmpeg.empty()) {
        WriteErr("ffmpeg: the FFmpeg program was not found (looked in " + lookedIn + ")\n");
        return kNoFfmpeg;
    }
    std::string audioCodec = request.audioCodec;
    if (audioCodec.empty())
        audioCodec = ChooseAudioCodec(request, HasAmrNbEncoder(ffmpeg));

    ChildProcess encoder;
    if (!encoder.Start(ffmpeg, BuildFfmpegArguments(request, audioCodec), ChildStderr::Inherit, &error)) {
        WriteErr("ffmpeg: " + error + "\n");
        return kNoFfmpeg;
    }
    ProgressReader progress;
    LineSplitter lines([&progress](const std::string& line) {
        double seconds = 0;
        if (progress.Feed(line, &seconds))
            WriteOut(ProgressMarker(seconds) + "\n");
    });
    char buffer[4096];
    while (size_t got = encoder.Read(buffer, sizeof buffer))
        lines.Feed(buffer, got);
    lines.Finish();
    return encoder.Wait();
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(CommandLineArguments(argc, argv));
    } catch (const std::exception& e) {
        WriteErr(std::string("ffmpeg: ") + e.what() + "\n");
        return kUsageError;
    }
}
