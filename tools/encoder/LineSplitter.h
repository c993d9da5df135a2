// LineSplitter: cuts a byte stream into lines (LF, CR LF or a bare CR end a line).
// Kept apart from the runner's TLineSplitter: whole lines only, and a CR LF split across two reads is one end.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace tw::tools {

class LineSplitter {
public:
    using LineHandler = std::function<void(const std::string&)>;

    explicit LineSplitter(LineHandler handler) : handler_(std::move(handler)) {}

    void Feed(const char* data, size_t size);
    // Hands over an unfinished last line, if any.
    void Finish();

private:
    LineHandler handler_;
    std::string line_;
    bool afterCr_ = false;
};

}  // namespace tw::tools
