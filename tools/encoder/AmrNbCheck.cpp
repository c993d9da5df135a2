#include "tools/encoder/AmrNbCheck.h"

#include "tools/encoder/ChildProcess.h"
#include "tools/encoder/EncodeRequest.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tw::tools {

namespace {

namespace fs = std::filesystem;

const char kCacheName[] = "tarnwick-ffmpeg-encoders.txt";

// Identifies one FFmpeg build; empty when the program cannot be looked at.
std::string BuildStamp(const std::string& ffmpeg) {
    std::error_code failed;
    fs::path program = fs::u8path(ffmpeg);
    auto size = fs::file_size(program, failed);
    if (failed) return std::string();
    auto written = fs::last_write_time(program, failed);
    if (failed) return std::string();
    return ffmpeg + "|" + std::to_string(size) + "|" + std::to_string(written.time_since_epoch().count());
}

bool AskFfmpeg(const std::string& ffmpeg) {
    ChildProcess lister;
    if (!lister.Start(ffmpeg, {"-hide_banner", "-nostdin", "-encoders"}, ChildStderr::ToPipe, nullptr)) return false;
    std::string listing;
    char buffer[4096];
    while (size_t got = lister.Read(buffer, sizeof buffer)) listing.append(buffer, got);
    lister.Wait();
    return ListsAmrNbEncoder(listing);
}

}  // namespace

bool FfmpegHasAmrNb(const std::string& ffmpeg, const std::string& cacheFolder) {
    std::string stamp = BuildStamp(ffmpeg);
    fs::path cache = fs::u8path(cacheFolder) / kCacheName;
    if (!stamp.empty() && !cacheFolder.empty()) {
        std::ifstream in(cache, std::ios::binary);
        std::string cachedStamp, answer;
        if (std::getline(in, cachedStamp) && std::getline(in, answer)) {
            // A file edited on Windows may have CR LF line ends.
            for (std::string* line : {&cachedStamp, &answer}) {
                if (!line->empty() && line->back() == '\r') line->pop_back();
            }
            if (cachedStamp == stamp && (answer == "0" || answer == "1")) return answer == "1";
        }
    }
    bool has = AskFfmpeg(ffmpeg);
    if (!stamp.empty() && !cacheFolder.empty()) {
        // Written aside and renamed, so that a parallel run never reads half a file.
        std::error_code ignored;
        fs::path aside = cache;
        aside += ".tmp" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
        {
            std::ofstream out(aside, std::ios::binary | std::ios::trunc);
            out << stamp << "\n" << (has ? "1" : "0") << "\n";
        }
        fs::rename(aside, cache, ignored);
        if (ignored) fs::remove(aside, ignored);
    }
    return has;
}

bool FfmpegHasAmrNb(const std::string& ffmpeg) {
    std::error_code failed;
    fs::path folder = fs::temp_directory_path(failed);
    return FfmpegHasAmrNb(ffmpeg, failed ? std::string() : folder.u8string());
}

}  // namespace tw::tools
