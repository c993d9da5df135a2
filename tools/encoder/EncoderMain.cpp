// ffmpeg: the converter's encoder. Reads its old-style command line, runs the real FFmpeg with the
// same settings and reports the media time reached as ffmpeg_release_time lines.
#include "tools/encoder/AmrNbCheck.h"
#include "tools/encoder/ChildProcess.h"
#include "tools/encoder/ChildPump.h"
#include "tools/encoder/EncodeRequest.h"
#include "tools/encoder/FfmpegLocator.h"
#include "tools/encoder/ProgressReader.h"
#include "tools/encoder/ToolPlatform.h"

#include <exception>

namespace {

using namespace tw::tools;

constexpr int kUsageError = 1;
constexpr int kNoFfmpeg = 127;

int Run(const std::vector<std::string>& arguments) {
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
    if (audioCodec.empty()) audioCodec = ChooseAudioCodec(request, FfmpegHasAmrNb(ffmpeg));

    ChildProcess encoder;
    if (!encoder.Start(ffmpeg, BuildFfmpegArguments(request, audioCodec), ChildStderr::Separate, &error)) {
        WriteErr("ffmpeg: " + error + "\n");
        return kNoFfmpeg;
    }
    // FFmpeg's diagnostics pass through whole lines at a time: the converter reads our standard
    // output and error as one stream, and a marker must never land inside a diagnostic line.
    ProgressReader progress;
    return PumpChild(
        encoder,
        [&progress](const std::string& line) {
            double seconds = 0;
            if (progress.Feed(line, &seconds)) WriteOut(ProgressMarker(seconds) + "\n");
        },
        [](const std::string& line) { WriteErr(line + "\n"); });
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(CommandLineArguments(argc, argv));
    } catch (const std::exception& e) {
        WriteErr(std::string("ffmpeg: ") + e.what() + "\n");
        return kUsageError;
    }
}
