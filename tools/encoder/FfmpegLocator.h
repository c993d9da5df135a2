// FfmpegLocator: finds the real FFmpeg program that the console tools drive.
#pragma once

#include <string>

namespace tw::tools {

struct FfmpegSearch {
    std::string ownExecutable;  // our own program, which is never taken for FFmpeg (it has the same name)
    std::string pathVariable;   // the PATH value to search after the codecs folder
};

// The folder part of a path, with its trailing separator; empty for a bare name.
std::string FolderOf(const std::string& path);

// Looks in the "codecs" folder beside our own program first, then along PATH. Returns the full
// path, or an empty string and the places looked at in `lookedIn`.
std::string FindFfmpeg(const FfmpegSearch& search, std::string* lookedIn);

// The same, for the running program and the process's PATH.
std::string FindFfmpeg(std::string* lookedIn);

}  // namespace tw::tools
