#include "tools/probe/ProbeRequest.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace tw::tools {

namespace {

// Player options that take a value; every other option is a switch.
const char* const kValueOptions[] = {"-msglevel", "-vo",     "-ao",  "-vc",  "-ac",  "-demuxer", "-ss",
                                     "-endpos",   "-frames", "-sid", "-aid", "-vid", "-fps",     "-cache"};

bool TakesValue(const std::string& option) {
    for (const char* name : kValueOptions) {
        if (option == name) return true;
    }
    return false;
}

}  // namespace

std::string ProbeSource(const std::vector<std::string>& arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() > 1 && argument[0] == '-') {
            if (TakesValue(argument)) ++i;
            continue;
        }
        if (!argument.empty()) return argument;
    }
    return std::string();
}

void DurationReader::Feed(const std::string& line) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return;
    last_ = line.substr(start);
    if (line.compare(start, 7, "Input #") == 0) {
        opened_ = true;
        return;
    }
    // "  Duration: 00:02:05.87, start: 0.000000, bitrate: 512 kb/s" (or "Duration: N/A, ...").
    if (!opened_ || seconds_ >= 0 || line.compare(start, 10, "Duration: ") != 0) return;
    unsigned hours = 0, minutes = 0;
    double rest = 0;
    if (std::sscanf(line.c_str() + start + 10, "%u:%u:%lf", &hours, &minutes, &rest) == 3 && minutes < 60 &&
        rest >= 0 && rest < 60)
        seconds_ = hours * 3600.0 + minutes * 60.0 + rest;
}

std::string LengthLine(double seconds) {
    // Cut to hundredths rather than round: 59.999 must not read as a whole minute. The small
    // allowance keeps 3.07 (stored as 3.06999...) at 3.07.
    double hundredths = std::floor(seconds * 100 + 1e-6);
    char text[64];
    std::snprintf(text, sizeof text, "ID_LENGTH=%.2f", hundredths / 100);
    return text;
}

}  // namespace tw::tools
