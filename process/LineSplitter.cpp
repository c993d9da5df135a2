#include "process/LineSplitter.h"

#include <array>
#include <cstdint>
#include <cstring>

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

// The first NUL, CR or LF in [p, end), or end. Eight bytes are tested at once: a byte of a
// word is flagged when it is zero after XOR with the wanted value; the lowest flag is exact
// (borrows only spoil flags above a true one), which is all that is needed.
const char* FindSpecial(const char* p, const char* end) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighs = 0x8080808080808080ull;
    auto zeroBytes = [](uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    while (end - p >= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        const uint64_t m = zeroBytes(w) | zeroBytes(w ^ (kOnes * '\n')) | zeroBytes(w ^ (kOnes * '\r'));
        if (m) return p + (__builtin_ctzll(m) >> 3);
        p += 8;
    }
#endif
    while (p < end && !kSpecial[static_cast<unsigned char>(*p)]) ++p;
    return p;
}

}  // namespace

void TLineSplitter::Feed(const char* data, size_t size, const TSink& sink, const std::atomic<bool>* stop) {
    const char* p = data;
    const char* const end = data + size;
    while (p < end) {
        if (stop && stop->load(std::memory_order_relaxed)) return;
        // Plain text is taken in runs, not byte by byte: floods of output go through here.
        const char* q = FindSpecial(p, end);
        if (q == end) {
            line_.append(p, q);
            break;
        }
        const char c = *q;
        if (c == '\0') {
            line_.append(p, q);
            p = q + 1;
            continue;
        }
        // A line that starts and ends in this piece is reported straight from it.
        if (line_.empty()) {
            sink(std::string_view(p, static_cast<size_t>(q - p)), otEntireLine);
        } else {
            line_.append(p, q);
            sink(line_, otEntireLine);
            line_.clear();
        }
        p = q + 1;
        if (c == '\r' && p < end && *p == '\n') ++p;
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
