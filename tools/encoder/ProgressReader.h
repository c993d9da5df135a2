// ProgressReader: turns FFmpeg's machine-readable progress blocks into media seconds and our marker lines.
#pragma once

#include <string>

namespace tw::tools {

// The line the converter looks for: ffmpeg_release_time=<seconds>=ffmpeg_release_time.
std::string ProgressMarker(double seconds);

class ProgressReader {
public:
    // Takes one line of "-progress" output. Returns true when it closes a block that moved the
    // media time past what was reported before; `seconds` is then that time.
    bool Feed(const std::string& line, double* seconds);

    bool Ended() const { return ended_; }

private:
    double blockTime_ = -1;  // media time of the current block, -1 while unknown
    double reported_ = -1;
    bool ended_ = false;
};

}  // namespace tw::tools
