// A stand-in for the tools beside the converter, copied in as "mplayer.exe" or "ffmpeg.exe".
// It plays a script kept next to it, named after its own file:
//   <exe>.log    each run appends its command line (UTF-8), so tests see what the converter passed
//   <exe>.out    bytes written to standard output exactly as they are (CR LF included)
//   <exe>.sleep  milliseconds to wait after writing, before exiting
//   <exe>.exit   the exit code (default 0)
//   <exe>.make   when present, its bytes are written to the last quoted path of the command line
//                (where the encoder's output goes)
//   <exe>.hold   milliseconds for which a process left behind keeps that output open, refusing
//                its deletion (as FFmpeg's own child may for a moment after the encoder ended)
#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/win/Handles.h"
#include "process/InheritList.h"

namespace {

constexpr wchar_t kHoldMode[] = L" --hold-inherited-file ";

std::wstring OwnPath() {
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

bool ReadAll(const std::wstring& path, std::string* bytes) {
    const tw::THandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes->append(buffer, got);
    return true;
}

void Append(const std::wstring& path, const std::string& bytes) {
    const tw::THandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string Utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

void Write(const std::wstring& path, const std::string& bytes) {
    const tw::THandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The last "..." of a command line, or nothing.
std::wstring LastQuoted(const std::wstring& line) {
    size_t close = line.rfind(L'"');
    if (close == std::wstring::npos || close == 0) return {};
    size_t open = line.rfind(L'"', close - 1);
    if (open == std::wstring::npos) return {};
    return line.substr(open + 1, close - open - 1);
}

int Number(const std::wstring& path, int fallback) {
    std::string text;
    if (!ReadAll(path, &text)) return fallback;
    try {
        return std::stoi(text);
    } catch (...) {
        return fallback;
    }
}

// Opens target refusing deletion, and leaves it to a copy of ourselves that only sleeps.
void LeaveHolder(const std::wstring& self, const std::wstring& target, int milliseconds) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof inherit;
    inherit.bInheritHandle = TRUE;
    const tw::THandle file(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    tw::TInheritList only({file.Get()});
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.lpAttributeList = only.Get();
    std::wstring line = L"\"" + self + L"\"" + kHoldMode + std::to_wstring(milliseconds);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE,
                       DETACHED_PROCESS | (only.Get() ? EXTENDED_STARTUPINFO_PRESENT : 0), nullptr, nullptr,
                       &startup.StartupInfo, &info)) {
        // The copy runs on by itself; only our handles to it go.
        tw::THandle thread(info.hThread), process(info.hProcess);
    }
}

}  // namespace

int main() {
    // The holder: the file is open through the handle it inherited.
    if (const wchar_t* hold = std::wcsstr(GetCommandLineW(), kHoldMode)) {
        Sleep(static_cast<DWORD>(std::wcstoul(hold + std::wcslen(kHoldMode), nullptr, 10)));
        return 0;
    }
    const std::wstring self = OwnPath();
    Append(self + L".log", Utf8(GetCommandLineW()) + "\n");

    std::string output;
    if (ReadAll(self + L".out", &output) && !output.empty()) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), output.data(), static_cast<DWORD>(output.size()), &written, nullptr);
    }
    std::string made;
    if (ReadAll(self + L".make", &made)) {
        std::wstring target = LastQuoted(GetCommandLineW());
        if (!target.empty()) Write(target, made);
        int hold = Number(self + L".hold", 0);
        if (!target.empty() && hold > 0) LeaveHolder(self, target, hold);
    }
    int sleep = Number(self + L".sleep", 0);
    if (sleep > 0) Sleep(static_cast<DWORD>(sleep));
    return Number(self + L".exit", 0);
}
