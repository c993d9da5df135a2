// ProbeRequest: reads the player-style command line of the duration probe and FFmpeg's answer to it.
#pragma once

#include <string>
#include <vector>

namespace tw::tools {

// The source file of "-msglevel identify=6 -vo none -ao none <source> ...": options (with their
// values where they take one) are skipped, the first other word is the source, words after it
// (the converter passes "2>&1 |grep ID_LENGTH" as plain words) are ignored. Empty when none.
std::string ProbeSource(const std::vector<std::string>& arguments);

// Collects what FFmpeg says about an input it was asked to open.
class DurationReader {
public:
    void Feed(const std::string& line);

    bool Opened() const { return opened_; }             // FFmpeg recognised the container
    bool HasDuration() const { return seconds_ >= 0; }  // and knew its playing time
    double Seconds() const { return seconds_; }
    const std::string& LastMessage() const { return last_; }  // the last non-empty line: the reason of a failure

private:
    bool opened_ = false;
    double seconds_ = -1;
    std::string last_;
};

// "ID_LENGTH=<seconds with two decimals>", the line the converter looks for.
std::string LengthLine(double seconds);

}  // namespace tw::tools
