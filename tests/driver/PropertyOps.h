// Reading a published property of a program's component by name ("lblInfo.Caption"): the way
// to see windowless controls, which have no window of their own to ask.
#pragma once

#include <windows.h>

#include <string>

namespace tw::driver {

// Asks the form window for the property's text; fails (DriverError) when the form does not
// know the component or property, or does not answer within timeoutMs.
std::wstring QueryProperty(HWND form, const std::wstring& path, unsigned timeoutMs);

}  // namespace tw::driver
