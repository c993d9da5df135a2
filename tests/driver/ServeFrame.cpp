#include "tests/driver/ServeFrame.h"

namespace tw::driver {

const char kServeReady[] = "twdriver serving\n";

namespace {
const char kArgMark = '\x1f';
}

Request ParseRequest(const std::string& line) {
    Request r;
    if (line == "quit") {
        r.kind = RequestKind::Quit;
        return r;
    }
    if (!line.empty() && line[0] != kArgMark) {
        return r;
    }
    r.kind = RequestKind::Command;
    size_t at = 0;
    while (at < line.size()) {
        const size_t next = line.find(kArgMark, at + 1);
        r.args.push_back(line.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1));
        at = next == std::string::npos ? line.size() : next;
    }
    return r;
}

std::string FormatAnswer(int status, const std::string& out, const std::string& err) {
    return std::to_string(status) + " " + std::to_string(out.size()) + " " + std::to_string(err.size()) + "\n" + out +
           err;
}

}  // namespace tw::driver
