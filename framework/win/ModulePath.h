// ExecutablePath: the full path of the running program, however long.
#pragma once

#include <string>

namespace tw {

// Empty when the system does not tell.
std::wstring ExecutablePath();

// The folder of the running program with its trailing backslash; empty when unknown.
std::wstring ExecutableFolder();

}  // namespace tw
