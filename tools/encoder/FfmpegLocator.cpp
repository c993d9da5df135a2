#include "tools/encoder/FfmpegLocator.h"

#include "tools/encoder/ToolPlatform.h"

namespace tw::tools {

namespace {

bool IsSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !IsSeparator(folder.back())) folder += kDirSeparator;
    return folder;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) return path.substr(0, i);
    }
    return std::string();
}

std::string FindFfmpeg(const FfmpegSearch& search, std::string* lookedIn) {
    const std::string name = std::string("ffmpeg") + kExeSuffix;
    std::string places;
    auto accept = [&](const std::string& candidate) {
        if (!IsRunnableFile(candidate)) return false;
        return search.ownExecutable.empty() || !IsSameFile(candidate, search.ownExecutable);
    };

    std::string ownFolder = FolderOf(search.ownExecutable);
    if (!ownFolder.empty()) {
        std::string codecs = ownFolder + "codecs" + kDirSeparator;
        if (accept(codecs + name)) return codecs + name;
        places = codecs;
    }

    size_t start = 0;
    const std::string& list = search.pathVariable;
    while (start <= list.size()) {
        size_t end = list.find(kPathListSeparator, start);
        if (end == std::string::npos) end = list.size();
        std::string folder = list.substr(start, end - start);
        // Windows PATH entries may be quoted.
        if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"')
            folder = folder.substr(1, folder.size() - 2);
        if (!folder.empty()) {
            std::string candidate = WithSeparator(folder) + name;
            if (accept(candidate)) return candidate;
        }
        start = end + 1;
    }
    if (lookedIn) *lookedIn = places.empty() ? "PATH" : places + " and PATH";
    return std::string();
}

std::string FindFfmpeg(std::string* lookedIn) {
    FfmpegSearch search;
    search.ownExecutable = OwnExecutablePath();
    search.pathVariable = EnvironmentValue("PATH");
    return FindFfmpeg(search, lookedIn);
}

}  // namespace tw::tools
