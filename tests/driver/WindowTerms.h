// Window answers as text and back, Windows-free: hit-test codes, points, signed message values.
#pragma once

#include <string>

namespace tw::driver {

// "HTCAPTION" for 2 and so on; "HT?" and the number for a code the system does not define.
std::wstring HitTestName(long long code);

// Parses a decimal number with an optional minus sign, or a 0x-prefixed one taken as the
// pointer-sized bit pattern it spells; false when text is not one.
bool ParseSigned(const std::wstring& text, long long& value);

// Parses "X,Y" (each may be negative); false when text is not such a pair.
bool ParsePoint(const std::wstring& text, int& x, int& y);

}  // namespace tw::driver
