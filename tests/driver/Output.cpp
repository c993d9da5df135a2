#include "tests/driver/Output.h"

#include <windows.h>

#include <cstdio>

namespace tw::driver {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string r(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), r.data(), n, nullptr, nullptr);
    return r;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring r(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), r.data(), n);
    return r;
}

namespace {

CapturedOutput* g_capture = nullptr;

void WriteLine(DWORD which, const std::wstring& line) {
    std::string bytes = ToUtf8(line);
    bytes += '\n';
    if (g_capture) {
        (which == STD_OUTPUT_HANDLE ? g_capture->out : g_capture->err) += bytes;
        return;
    }
    WriteAll(which, bytes);
}

}  // namespace

CapturedOutput::CapturedOutput() : outer_(g_capture) { g_capture = this; }

CapturedOutput::~CapturedOutput() { g_capture = outer_; }

// WriteFile, not the C runtime: its text mode would re-encode in the ANSI code page, and
// nothing waits in a buffer.
bool WriteAll(unsigned long which, const std::string& bytes) {
    HANDLE h = GetStdHandle(which);
    if (h == nullptr || h == INVALID_HANDLE_VALUE) {
        return false;
    }
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(h, p, static_cast<DWORD>(left), &written, nullptr) || written == 0) {
            return false;
        }
        p += written;
        left -= written;
    }
    return true;
}

void Out(const std::wstring& line) { WriteLine(STD_OUTPUT_HANDLE, line); }

void Err(const std::wstring& line) { WriteLine(STD_ERROR_HANDLE, L"twdriver: " + line); }

std::wstring HandleText(const void* handle) {
    wchar_t buf[32];
    swprintf(buf, 32, L"0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
    return buf;
}

}  // namespace tw::driver
