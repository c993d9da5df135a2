// WideText: UTF-8 to UTF-16 and back, for the Windows edges of the console tools.
#pragma once

#include <string>

namespace tw::tools {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace tw::tools
