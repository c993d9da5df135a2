#include "tools/encoder/ToolPlatform.h"

#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"
#include "framework/win/ModulePath.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace tw::tools {

namespace {

bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* info) {
    const tw::THandle file(CreateFileW(tw::WideFromUtf8(path).c_str(), 0,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && GetFileInformationByHandle(file.Get(), info) != FALSE;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    const tw::TLocalMemory<LPWSTR> list(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!list) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(tw::Utf8FromWide(list.Get()[i]));
    return arguments;
}

std::string OwnExecutablePath() { return tw::Utf8FromWide(tw::ExecutablePath()); }

bool IsRunnableFile(const std::string& path) {
    DWORD attributes = GetFileAttributesW(tw::WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSameFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    if (!FileIdentity(first, &a) || !FileIdentity(second, &b)) return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

std::string EnvironmentValue(const char* name) {
    std::wstring wideName = tw::WideFromUtf8(name);
    DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) return std::string();
    std::wstring value(size, L'\0');
    size = GetEnvironmentVariableW(wideName.c_str(), &value[0], size);
    value.resize(size);
    return tw::Utf8FromWide(value);
}

}  // namespace tw::tools
