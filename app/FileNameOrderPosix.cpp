#include <locale.h>

#include <cwctype>
#include <stdexcept>

#include "app/FileNameOrder.h"

namespace tw {

namespace {

locale_t UnicodeCharacters() {
    static const locale_t locale = [] {
        locale_t l = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        if (!l) throw std::runtime_error("file names cannot be compared: the C.UTF-8 locale is missing");
        return l;
    }();
    return locale;
}

// One UTF-16 code unit's upper case. Beyond the first plane a character is two surrogates in
// UTF-16, which the table leaves alone; and a letter whose upper case lowers to another letter
// (the dotless i, the long s, the final sigma) stays as it is.
wint_t FileSystemUpper(wchar_t c) {
    const auto unit = static_cast<wint_t>(c);
    if (unit >= 0x10000 || (unit >= 0xD800 && unit < 0xE000)) return unit;
    const wint_t upper = ::towupper_l(unit, UnicodeCharacters());
    if (upper == unit || upper >= 0x10000 || ::towlower_l(upper, UnicodeCharacters()) != unit) return unit;
    return upper;
}

}  // namespace

int CompareFileNames(const std::wstring& a, const std::wstring& b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const wint_t x = FileSystemUpper(a[i]), y = FileSystemUpper(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace tw
