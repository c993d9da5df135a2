// mplayer: the converter's duration probe. Takes a player-style identify command line, asks the
// real FFmpeg about the source and prints ID_LENGTH=<seconds>, or fails without that line.
#include "tools/encoder/ChildProcess.h"
#include "tools/encoder/FfmpegLocator.h"
#include "tools/encoder/LineSplitter.h"
#include "tools/encoder/ProgressReader.h"
#include "tools/encoder/ToolPlatform.h"
#include "tools/probe/ProbeRequest.h"

#include <exception>

namespace {

using namespace tw::tools;

constexpr int kUnreadable = 1;
constexpr int kNoFfmpeg = 127;

// Runs FFmpeg and hands every line of its merged output to `handler`.
template <typename Handler>
bool RunFfmpeg(const std::string& ffmpeg, const std::vector<std::string>& arguments, Handler handler,
               std::string* error) {
    ChildProcess child;
    if (!child.Start(ffmpeg, arguments, ChildStderr::ToPipe, error)) return false;
    LineSplitter lines(handler);
    char buffer[4096];
    while (size_t got = child.Read(buffer, sizeof buffer)) lines.Feed(buffer, got);
    lines.Finish();
    child.Wait();
    return true;
}

int Run(const std::vector<std::string>& arguments) {
    std::string source = ProbeSource(arguments);
    if (source.empty()) {
        WriteErr("mplayer: no file to identify\n");
        return kUnreadable;
    }
    std::string lookedIn, error;
    std::string ffmpeg = FindFfmpeg(&lookedIn);
    if (ffmpeg.empty()) {
        WriteErr("mplayer: the FFmpeg program was not found (looked in " + lookedIn + ")\n");
        return kNoFfmpeg;
    }

    // Opening the input alone prints its header, with the playing time where the container has one.
    DurationReader header;
    if (!RunFfmpeg(
            ffmpeg, {"-hide_banner", "-nostdin", "-i", source},
            [&header](const std::string& line) { header.Feed(line); }, &error)) {
        WriteErr("mplayer: " + error + "\n");
        return kNoFfmpeg;
    }
    double seconds = header.Seconds();
    if (header.Opened() && !header.HasDuration()) {
        // No time in the header (some raw streams): copy every packet to nowhere and take the end.
        ProgressReader progress;
        RunFfmpeg(
            ffmpeg,
            {"-hide_banner", "-nostdin", "-nostats", "-progress", "pipe:1", "-i", source, "-map", "0", "-c", "copy",
             "-f", "null", "-"},
            [&](const std::string& line) {
                double reached = 0;
                if (progress.Feed(line, &reached) && reached > 0) seconds = reached;
            },
            &error);
    }
    if (!header.Opened() || seconds < 0) {
        std::string reason = header.Opened() || header.LastMessage().empty() ? "no playing time found"
                                                                             : header.LastMessage();
        // FFmpeg names the file itself in most of its reasons.
        if (reason.compare(0, source.size(), source) != 0) reason = source + ": " + reason;
        WriteErr("mplayer: cannot identify " + reason + "\n");
        return kUnreadable;
    }
    WriteOut(LengthLine(seconds) + "\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(CommandLineArguments(argc, argv));
    } catch (const std::exception& e) {
        WriteErr(std::string("mplayer: ") + e.what() + "\n");
        return kUnreadable;
    }
}
