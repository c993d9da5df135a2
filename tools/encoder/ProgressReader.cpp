#include "tools/encoder/ProgressReader.h"

#include <cstdio>
#include <cstdlib>

namespace tw::tools {

namespace {

// A whole non-negative integer of microseconds; false for "N/A", negatives and junk.
bool ReadMicroseconds(const std::string& text, double* seconds) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    *seconds = static_cast<double>(std::strtoll(text.c_str(), nullptr, 10)) / 1e6;
    return true;
}

// HH:MM:SS.ffffff
bool ReadClock(const std::string& text, double* seconds) {
    unsigned hours = 0, minutes = 0;
    double rest = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%u:%u:%lf%c", &hours, &minutes, &rest, &tail) != 3 || rest < 0) return false;
    *seconds = hours * 3600.0 + minutes * 60.0 + rest;
    return true;
}

}  // namespace

std::string ProgressMarker(double seconds) {
    char text[64];
    std::snprintf(text, sizeof text, "ffmpeg_release_time=%.2f=ffmpeg_release_time", seconds);
    return text;
}

bool ProgressReader::Feed(const std::string& line, double* seconds) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    std::string key = line.substr(0, equals);
    std::string value = line.substr(equals + 1);
    double time = 0;
    // Newer builds write out_time_us; out_time_ms is microseconds too despite its name; out_time
    // is the same as a clock. Any of them will do.
    if (key == "out_time_us" || key == "out_time_ms") {
        if (ReadMicroseconds(value, &time)) blockTime_ = time;
        return false;
    }
    if (key == "out_time") {
        if (blockTime_ < 0 && ReadClock(value, &time)) blockTime_ = time;
        return false;
    }
    if (key != "progress") return false;

    ended_ = value == "end";
    double finished = blockTime_;
    blockTime_ = -1;
    if (finished < 0 || finished <= reported_) return false;
    reported_ = finished;
    *seconds = finished;
    return true;
}

}  // namespace tw::tools
