// AmrNbCheck: whether an FFmpeg build has an AMR-NB encoder, remembered per build between runs.
#pragma once

#include <string>

namespace tw::tools {

// Asks `ffmpeg -encoders` once per FFmpeg build (path, size and time of the program) and keeps the
// answer in a small file in `cacheFolder`, so that converting a list of files pays for it once.
// An unusable cache only means asking again.
bool FfmpegHasAmrNb(const std::string& ffmpeg, const std::string& cacheFolder);

// The same with the system's temporary folder.
bool FfmpegHasAmrNb(const std::string& ffmpeg);

}  // namespace tw::tools
