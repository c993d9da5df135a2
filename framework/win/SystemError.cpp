#include "framework/win/SystemError.h"

#include <windows.h>

#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"

namespace tw {

std::string SystemErrorText(unsigned long code) {
    TLocalMemory<wchar_t> text;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(text.Receive()), 0, nullptr);
    if (!text) return {};
    std::wstring wide(text.Get());
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' ')) wide.pop_back();
    return Utf8FromWide(wide);
}

}  // namespace tw
