// ToolRun: runs a program for the tool tests and keeps its output, its lines and its exit code.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tw::tools::test {

struct RunResult {
    int exitCode = -1;
    std::string output;              // standard output and error, merged
    std::vector<std::string> lines;  // the same, cut into lines
    bool started = false;
    std::string error;  // why it did not start

    bool HasLineStartingWith(const std::string& prefix) const;
};

RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);

// A path of the build machine as the program under test sees it (under Wine: drive Z:).
std::string HostPath(const std::string& buildPath);

// A UTF-8 path for the file system calls of the tests.
std::filesystem::path FsPath(const std::string& utf8);
std::string Utf8Of(const std::filesystem::path& path);

// A fresh folder, removed with its contents at the end of the test.
class TempFolder {
public:
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string Utf8() const { return Utf8Of(path_); }

private:
    std::filesystem::path path_;
};

// Sets an environment variable for the duration of a scope (children inherit it).
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::string saved_;
    bool wasSet_;
};

}  // namespace tw::tools::test
