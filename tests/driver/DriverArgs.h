// DriverArgs: the parsed command line of twdriver (command, window and control selectors).
#pragma once

#include <string>
#include <vector>

namespace tw::driver {

// Which top-level window a command acts on. Empty fields do not filter.
struct WindowSelector {
    std::wstring className;
    std::wstring title;     // whole title, ignoring case
    std::wstring titleHas;  // part of the title, ignoring case
    unsigned long long hwnd = 0;
    unsigned long pid = 0;
    std::wstring appClass;  // only windows of the process that owns a window of this class
    bool includeHidden = false;
    bool Empty() const {
        return className.empty() && title.empty() && titleHas.empty() && hwnd == 0 && pid == 0 && appClass.empty();
    }
};

// Which descendant of the window a command acts on; no filter means the window itself.
struct ChildSelector {
    bool hasId = false;
    int id = 0;
    std::wstring text;  // window text, ignoring case and '&' accelerator marks
    std::wstring className;
    int nth = 1;  // the nth match in depth-first order, counted from 1
    bool Empty() const { return !hasId && text.empty() && className.empty(); }
};

struct DriverArgs {
    std::wstring command;
    WindowSelector window;
    ChildSelector child;
    unsigned timeoutMs = 10000;
    std::vector<std::wstring> positional;
};

// Parses argv after the program name. Throws ArgsError with a message for the user.
DriverArgs ParseDriverArgs(const std::vector<std::wstring>& args);

struct ArgsError {
    std::wstring message;
};

// Parses a decimal or 0x-prefixed number; false when text is not one (or overflows).
bool ParseNumber(const std::wstring& text, unsigned long long& value);

}  // namespace tw::driver
