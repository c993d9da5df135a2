// Writing to the tool's own standard output and error: the same on every platform, flushed at
// once so that the converter reading the pipe sees each line as it is written.
#include <cstdio>
#include <string>

#include "tools/encoder/ToolPlatform.h"

namespace tw::tools {

void WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void WriteErr(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

}  // namespace tw::tools
