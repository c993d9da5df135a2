// TFileNameLess: orders file names the way a Windows file system tells them apart.
#pragma once

#include <string>

namespace tw {

// Ordinal over UTF-16 code units once each has been upper-cased by the system's simple table
// (the kind NTFS keeps per volume): "Ä.avi" and "ä.avi" name one file, "ß" and "SS" two, and
// so do "ı" and "I", since only a letter that is the lower case of its upper case is mapped.
// Negative, zero or positive. The Windows build asks the system; the native build, where only
// tests run, maps each character through the C library's Unicode table by the same rule.
int CompareFileNames(const std::wstring& a, const std::wstring& b);

struct TFileNameLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const { return CompareFileNames(a, b) < 0; }
};

}  // namespace tw
