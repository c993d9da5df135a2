#include "tools/encoder/EncodeRequest.h"

#include <sstream>

namespace tw::tools {

namespace {

struct ValueOption {
    const char* name;
    std::string EncodeRequest::*field;
};

const ValueOption kValueOptions[] = {
    {"-i", &EncodeRequest::input},           {"-f", &EncodeRequest::format},
    {"-vcodec", &EncodeRequest::videoCodec}, {"-b", &EncodeRequest::videoBitrate},
    {"-r", &EncodeRequest::frameRate},       {"-s", &EncodeRequest::frameSize},
    {"-acodec", &EncodeRequest::audioCodec}, {"-ab", &EncodeRequest::audioBitrate},
    {"-ar", &EncodeRequest::sampleRate},     {"-ac", &EncodeRequest::channels},
};

void AddPair(std::vector<std::string>* arguments, const char* option, const std::string& value) {
    if (value.empty()) return;
    arguments->push_back(option);
    arguments->push_back(value);
}

}  // namespace

bool ParseEncodeRequest(const std::vector<std::string>& arguments, EncodeRequest* request, std::string* error) {
    EncodeRequest parsed;
    std::vector<std::string> positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-y") {
            parsed.overwrite = true;
            continue;
        }
        if (argument == "-n") {
            parsed.neverOverwrite = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            positional.push_back(argument);
            continue;
        }
        const ValueOption* known = nullptr;
        for (const ValueOption& option : kValueOptions) {
            if (argument == option.name) known = &option;
        }
        if (!known) {
            *error = "unknown option " + argument;
            return false;
        }
        if (i + 1 >= arguments.size()) {
            *error = "option " + argument + " needs a value";
            return false;
        }
        parsed.*(known->field) = arguments[++i];
    }
    if (parsed.input.empty()) {
        *error = "no input file (-i)";
        return false;
    }
    if (positional.size() != 1) {
        *error = positional.empty() ? "no output file" : "more than one output file: " + positional[1];
        return false;
    }
    parsed.output = positional[0];
    *request = parsed;
    return true;
}

std::string ChooseAudioCodec(const EncodeRequest& request, bool haveAmrNb) {
    if (!request.audioCodec.empty()) return request.audioCodec;
    bool suitsAmr = (request.sampleRate.empty() || request.sampleRate == "8000") &&
                    (request.channels.empty() || request.channels == "1");
    return haveAmrNb && suitsAmr ? "libopencore_amrnb" : "aac";
}

bool ListsAmrNbEncoder(const std::string& encoderListing) {
    // Lines read " A..... libopencore_amrnb  OpenCORE AMR-NB ..."; the name is the second word.
    std::istringstream lines(encoderListing);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string flags, name;
        words >> flags >> name;
        if (flags.size() == 6 && flags[0] == 'A' && (name == "libopencore_amrnb" || name == "amr_nb")) return true;
    }
    return false;
}

std::vector<std::string> BuildFfmpegArguments(const EncodeRequest& request, const std::string& audioCodec) {
    std::vector<std::string> arguments = {"-hide_banner", "-nostdin", "-nostats", "-progress", "pipe:1"};
    if (request.overwrite) arguments.push_back("-y");
    if (request.neverOverwrite) arguments.push_back("-n");
    AddPair(&arguments, "-i", request.input);
    // The first real picture stream (no cover art) and the first sound, each only if there is one;
    // subtitles and data streams are left out, 3GP cannot take most of them.
    arguments.insert(arguments.end(), {"-map", "0:V:0?", "-map", "0:a:0?"});
    AddPair(&arguments, "-c:v", request.videoCodec);
    AddPair(&arguments, "-b:v", request.videoBitrate);
    AddPair(&arguments, "-r", request.frameRate);
    AddPair(&arguments, "-s", request.frameSize);
    AddPair(&arguments, "-c:a", audioCodec);
    AddPair(&arguments, "-b:a", request.audioBitrate);
    AddPair(&arguments, "-ar", request.sampleRate);
    AddPair(&arguments, "-ac", request.channels);
    AddPair(&arguments, "-f", request.format);
    arguments.push_back(request.output);
    return arguments;
}

}  // namespace tw::tools
