#include "process/LineSplitter.h"

#include <array>

namespace tw {

namespace {

constexpr std::array<bool, 256> MakeSpecialTable() {
    std::array<bool, 256> t{};
    t['\0'] = true;
    t['\n'] = true;
    t['\r'] = true;
    return t;
}

constexpr std::array<bool, 256> kSpecial = MakeSpecialTable();

}  // namespace

void TLineSplitter::Feed(const char* data, size_t size, const TSink& sink, const std::atomic<bool>* stop) {
    const char* p = data;
    const char* const end = data + size;
    while (p < end) {
        if (stop && stop->load(std::memory_order_relaxed)) return;
        // Plain text is appended in runs, not byte by byte: floods of output go through here.
        const char* q = p;
        while (q < end && !kSpecial[static_cast<unsigned char>(*q)]) ++q;
        line_.append(p, q);
        if (q == end) break;
        const char c = *q++;
        p = q;
        if (c == '\0') continue;
        if (c == '\r' && p < end && *p == '\n') ++p;
        sink(line_, otEntireLine);
        line_.clear();
    }
    if (!line_.empty() && !(stop && stop->load(std::memory_order_relaxed))) sink(line_, otBeginningOfLine);
}

void TLineSplitter::Finish(const TSink& sink) {
    if (line_.empty()) return;
    std::string last;
    last.swap(line_);
    sink(last, otEntireLine);
}

}  // namespace tw
