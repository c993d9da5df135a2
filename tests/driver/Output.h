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

// A window handle as the "0x..." text that --hwnd reads back.
std::wstring HandleText(const void* handle);

}  // namespace tw::driver
