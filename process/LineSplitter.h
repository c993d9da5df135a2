// TLineSplitter: cuts a console child's byte stream, read in pieces, into lines.
// Kept apart from the tools' LineSplitter: the runner drops NULs, reports unfinished lines, never holds back a CR.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "process/OutputType.h"

namespace tw {

// CR, LF and CR LF each end a line; NUL bytes are dropped. A CR LF pair is only recognised
// inside one piece, so a CR ending one piece and an LF starting the next give an extra empty
// line: the reader sees pieces as they arrive and must not hold a CR back waiting for more.
class TLineSplitter {
public:
    // The text is only valid during the call.
    using TSink = std::function<void(std::string_view line, TOutputType outputType)>;

    // Reports each line that ends inside the piece as otEntireLine, then, unless stopped, the
    // unfinished rest (when not empty) as otBeginningOfLine. Stops between lines once *stop is
    // set; the rest of the piece is then discarded.
    void Feed(const char* data, size_t size, const TSink& sink, const std::atomic<bool>* stop = nullptr);

    // Reports the unfinished rest, if any, as otEntireLine and forgets it.
    void Finish(const TSink& sink);

    const std::string& Pending() const { return line_; }
    void Reset() { line_.clear(); }

private:
    std::string line_;
};

}  // namespace tw
