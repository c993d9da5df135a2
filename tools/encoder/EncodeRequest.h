// EncodeRequest: the converter's encoder command line, read and turned into a call of the real FFmpeg.
#pragma once

#include <string>
#include <vector>

namespace tw::tools {

struct EncodeRequest {
    std::string input;
    std::string output;
    std::string format;  // -f
    std::string videoCodec, videoBitrate, frameRate, frameSize;
    std::string audioCodec, audioBitrate, sampleRate, channels;
    bool overwrite = false;
    bool neverOverwrite = false;
};

// Reads the old-style options the converter passes (-i -vcodec -acodec -f -b -r -s -ar -ab -ac -y -n,
// output last). Returns false with a one-line reason for anything else.
bool ParseEncodeRequest(const std::vector<std::string>& arguments, EncodeRequest* request, std::string* error);

// The audio encoder to use when the request names none: AMR-NB where the FFmpeg build has one and
// the settings suit it (8000 Hz mono), otherwise AAC, which 3GP also carries.
std::string ChooseAudioCodec(const EncodeRequest& request, bool haveAmrNb);

// True when FFmpeg's "-encoders" listing names an AMR-NB encoder.
bool ListsAmrNbEncoder(const std::string& encoderListing);

// Arguments for the real FFmpeg: the request in today's option names, the first video and audio
// streams mapped when present, machine-readable progress on standard output.
std::vector<std::string> BuildFfmpegArguments(const EncodeRequest& request, const std::string& audioCodec);

}  // namespace tw::tools
