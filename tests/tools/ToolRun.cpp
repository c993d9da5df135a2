#include "tests/tools/ToolRun.h"

#include "tools/encoder/ChildProcess.h"
#include "tools/encoder/LineSplitter.h"
#include "tools/encoder/ToolPlatform.h"

#include <atomic>
#include <chrono>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#include "framework/core/ClassInfo.h"
#endif

namespace tw::tools::test {

bool RunResult::HasLineStartingWith(const std::string& prefix) const {
    for (const std::string& line : lines) {
        if (line.compare(0, prefix.size(), prefix) == 0) return true;
    }
    return false;
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    RunResult result;
    ChildProcess child;
    result.started = child.Start(program, arguments, ChildStderr::ToPipe, &result.error);
    if (!result.started) return result;
    LineSplitter splitter([&result](const std::string& line) { result.lines.push_back(line); });
    char buffer[4096];
    while (size_t got = child.Read(buffer, sizeof buffer)) {
        result.output.append(buffer, got);
        splitter.Feed(buffer, got);
    }
    splitter.Finish();
    result.exitCode = child.Wait();
    return result;
}

std::string HostPath(const std::string& buildPath) {
#ifdef _WIN32
    if (!buildPath.empty() && buildPath[0] == '/') {
        std::string path = "Z:" + buildPath;
        for (char& c : path) {
            if (c == '/') c = '\\';
        }
        return path;
    }
#endif
    return buildPath;
}

std::filesystem::path FsPath(const std::string& utf8) { return std::filesystem::u8path(utf8); }

std::string Utf8Of(const std::filesystem::path& path) { return path.u8string(); }

TempFolder::TempFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            FsPath("tw-tools-" + std::to_string(stamp) + "-" + std::to_string(counter++) + "-" + name);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

#ifdef _WIN32
ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    saved_ = EnvironmentValue(name);
    wasSet_ = GetEnvironmentVariableW(tw::WideFromUtf8(name_).c_str(), nullptr, 0) != 0;
    SetEnvironmentVariableW(tw::WideFromUtf8(name_).c_str(), tw::WideFromUtf8(value).c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableW(tw::WideFromUtf8(name_).c_str(), wasSet_ ? tw::WideFromUtf8(saved_).c_str() : nullptr);
}
#else
ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    const char* old = std::getenv(name);
    wasSet_ = old != nullptr;
    saved_ = old ? old : "";
    setenv(name, value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (wasSet_) setenv(name_.c_str(), saved_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}
#endif

}  // namespace tw::tools::test
