// SystemErrorText: the system's own words for a Win32 error code.
#pragma once

#include <string>

namespace tw {

// UTF-8, without the line end the system puts after it; empty when the system has no text.
std::string SystemErrorText(unsigned long code);

}  // namespace tw
