// ToolPlatform: the few operating-system services the console tools need, with UTF-8 strings.
#pragma once

#include <string>
#include <vector>

namespace tw::tools {

#ifdef _WIN32
inline constexpr char kDirSeparator = '\\';
inline constexpr char kPathListSeparator = ';';
inline constexpr const char* kExeSuffix = ".exe";
#else
inline constexpr char kDirSeparator = '/';
inline constexpr char kPathListSeparator = ':';
inline constexpr const char* kExeSuffix = "";
#endif

// The program's arguments without the program itself, in UTF-8 (on Windows taken from the
// UTF-16 command line, so names outside the ANSI code page survive).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Full path of the running executable; empty if the system does not tell.
std::string OwnExecutablePath();

// True for an existing regular file that can be started.
bool IsRunnableFile(const std::string& path);

// True when both paths name the same file on disk.
bool IsSameFile(const std::string& first, const std::string& second);

// Value of an environment variable; empty when unset.
std::string EnvironmentValue(const char* name);

// Writes to standard output or error at once (the reader may be a pipe waiting for the line).
void WriteOut(const std::string& text);
void WriteErr(const std::string& text);

}  // namespace tw::tools
