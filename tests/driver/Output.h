// Output: UTF-8 lines on stdout and stderr, whatever the console's code page.
#pragma once

#include <string>

namespace tw::driver {

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

// Writes text and a line feed to stdout.
void Out(const std::wstring& line);
// Writes "twdriver: " text and a line feed to stderr.
void Err(const std::wstring& line);

// While one lives, Out and Err append UTF-8 to it instead of writing to the process's handles:
// the server answers a command's stdout and stderr apart.
class CapturedOutput {
public:
    CapturedOutput();
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::string out;
    std::string err;

private:
    CapturedOutput* outer_;
};

// Writes all of bytes to one of the process's standard handles; false when it cannot.
bool WriteAll(unsigned long which, const std::string& bytes);

// A window handle as the "0x..." text that --hwnd reads back.
std::wstring HandleText(const void* handle);

}  // namespace tw::driver
