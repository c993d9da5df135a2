// WindowsQuote: builds a Windows command line that the C runtime splits back into the same arguments.
#pragma once

#include <string>
#include <vector>

namespace tw::tools {

// Quotes one argument so that the MSVC argv rules give it back unchanged (backslashes before a
// quote are doubled, quotes escaped); plain arguments stay as they are.
std::string QuoteWindowsArgument(const std::string& argument);

// The program path in plain quotes (a Windows path holds no quotes), then every argument quoted.
std::string BuildWindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace tw::tools
