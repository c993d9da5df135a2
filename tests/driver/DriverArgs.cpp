#include "tests/driver/DriverArgs.h"

#include <cwchar>
#include <limits>

namespace tw::driver {

bool ParseNumber(const std::wstring& text, unsigned long long& value) {
    if (text.empty()) {
        return false;
    }
    unsigned base = 10;
    size_t i = 0;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        base = 16;
        i = 2;
    }
    unsigned long long v = 0;
    for (; i < text.size(); ++i) {
        wchar_t c = text[i];
        unsigned digit;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<unsigned>(c - L'0');
        } else if (base == 16 && c >= L'a' && c <= L'f') {
            digit = static_cast<unsigned>(c - L'a' + 10);
        } else if (base == 16 && c >= L'A' && c <= L'F') {
            digit = static_cast<unsigned>(c - L'A' + 10);
        } else {
            return false;
        }
        if (v > (std::numeric_limits<unsigned long long>::max() - digit) / base) {
            return false;
        }
        v = v * base + digit;
    }
    value = v;
    return true;
}

namespace {

unsigned long long NumberOption(const std::wstring& name, const std::wstring& text, unsigned long long max) {
    unsigned long long v = 0;
    if (!ParseNumber(text, v) || v > max) {
        throw ArgsError{L"bad number for " + name + L": '" + text + L"'"};
    }
    return v;
}

}  // namespace

DriverArgs ParseDriverArgs(const std::vector<std::wstring>& args) {
    DriverArgs r;
    if (args.empty()) {
        throw ArgsError{L"no command (see --help)"};
    }
    r.command = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, L"--") != 0) {
            r.positional.push_back(a);
            continue;
        }
        if (a == L"--") {
            r.positional.insert(r.positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        if (a == L"--hidden") {
            r.window.includeHidden = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            throw ArgsError{L"option " + a + L" needs a value"};
        }
        const std::wstring& v = args[++i];
        if (a == L"--class") {
            r.window.className = v;
        } else if (a == L"--title") {
            r.window.title = v;
        } else if (a == L"--title-has") {
            r.window.titleHas = v;
        } else if (a == L"--hwnd") {
            r.window.hwnd = NumberOption(a, v, std::numeric_limits<unsigned long long>::max());
        } else if (a == L"--pid") {
            r.window.pid = static_cast<unsigned long>(NumberOption(a, v, 0xFFFFFFFFull));
        } else if (a == L"--app") {
            r.window.appClass = v;
        } else if (a == L"--timeout") {
            r.timeoutMs = static_cast<unsigned>(NumberOption(a, v, 24ull * 3600 * 1000));
        } else if (a == L"--id") {
            // Control ids are 16-bit in dialogs, but a window's id is a whole pointer-sized
            // value; negative ids (-1, static controls) are written as 65535 or -1.
            if (v == L"-1") {
                r.child.id = -1;
            } else {
                r.child.id = static_cast<int>(NumberOption(a, v, 0x7FFFFFFFull));
            }
            r.child.hasId = true;
        } else if (a == L"--text") {
            r.child.text = v;
        } else if (a == L"--cclass") {
            r.child.className = v;
        } else if (a == L"--nth") {
            r.child.nth = static_cast<int>(NumberOption(a, v, 1000000));
            if (r.child.nth < 1) {
                throw ArgsError{L"--nth counts from 1"};
            }
        } else {
            throw ArgsError{L"unknown option " + a};
        }
    }
    return r;
}

}  // namespace tw::driver
