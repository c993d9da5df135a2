// TLineKeeper: the last few lines of a child's diagnostics, each cut to a readable length.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace tw {

// Keeps memory bounded however long a run talks: at most maxLines lines of at most maxBytes
// bytes each (a longer line is cut at a UTF-8 character boundary and ends in "..."). Blank
// lines say nothing and are not kept.
class TLineKeeper {
public:
    TLineKeeper(size_t maxLines, size_t maxBytes);

    void Add(std::string_view line);
    void Clear() { lines_.clear(); }
    bool Empty() const { return lines_.empty(); }
    size_t Count() const { return lines_.size(); }
    // Oldest first, each followed by CR LF but the last.
    std::string Text() const;

private:
    size_t maxLines_;
    size_t maxBytes_;
    std::deque<std::string> lines_;
};

}  // namespace tw
