#include "skin/package/LzhCoder.h"

#include <algorithm>
#include <cstring>

#include "framework/core/Exception.h"
#include "skin/package/LzhTree.h"

namespace tw {

namespace {

using namespace lzh;

class TBitWriter {
public:
    explicit TBitWriter(std::vector<uint8_t>& out) : out_(out) {}

    // Appends the low n bits of value (n <= 32), most significant first.
    void Put(uint32_t value, int n) {
        acc_ = (acc_ << n) | (value & ((n == 32) ? 0xFFFFFFFFu : ((1u << n) - 1u)));
        count_ += n;
        while (count_ >= 8) {
            count_ -= 8;
            out_.push_back(static_cast<uint8_t>(acc_ >> count_));
        }
    }

    void Flush() {
        if (count_ > 0) out_.push_back(static_cast<uint8_t>(acc_ << (8 - count_)));
        count_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t acc_ = 0;
    int count_ = 0;
};

constexpr int kHashBits = 15;
constexpr int kMaxChain = 256;
constexpr int kNil = -1;

// LZSS matching over a virtual buffer: the decoder's starting window (N - F blanks after
// F zero bytes, in ring order ending at the first write index) followed by the input, so
// matches into the initial window come for free.
class TMatcher {
public:
    explicit TMatcher(const std::vector<uint8_t>& text) : text_(text), head_(1u << kHashBits, kNil), prev_(N, kNil) {}

    void Insert(int pos) {
        if (static_cast<size_t>(pos) + 3 > text_.size()) return;
        const unsigned h = Hash(pos);
        prev_[pos & (N - 1)] = head_[h];
        head_[h] = pos;
    }

    // Longest match for pos not longer than maxLength; length 0 when none reaches 3.
    int Find(int pos, int maxLength, int& distance) const {
        if (maxLength < THRESHOLD + 1) return 0;
        int best = 0;
        const uint8_t* cur = text_.data() + pos;
        int cand = head_[Hash(pos)];
        for (int chain = 0; cand != kNil && chain < kMaxChain; ++chain) {
            const int d = pos - cand;
            if (d <= 0 || d > N) break;
            const uint8_t* s = text_.data() + cand;
            if (s[best] == cur[best]) {
                int len = 0;
                while (len < maxLength && s[len] == cur[len]) ++len;
                if (len > best) {
                    best = len;
                    distance = d;
                    if (len == maxLength) break;
                }
            }
            const int next = prev_[cand & (N - 1)];
            if (next >= cand) break;  // the slot was reused by a newer position
            cand = next;
        }
        return best >= THRESHOLD + 1 ? best : 0;
    }

private:
    unsigned Hash(int pos) const {
        const uint8_t* p = text_.data() + pos;
        const uint32_t v = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    const std::vector<uint8_t>& text_;
    std::vector<int> head_;
    std::vector<int> prev_;
};

class TSymbolCoder {
public:
    explicit TSymbolCoder(TBitWriter& bits) : bits_(bits) {}

    void Symbol(int c) {
        // Walk from the leaf to the root; an odd node is the second child (bit 1).
        uint64_t code = 0;
        int depth = 0;
        for (unsigned k = tree_.LeafNode(static_cast<unsigned>(c)); k != static_cast<unsigned>(R);
             k = tree_.Parent(k)) {
            code |= static_cast<uint64_t>(k & 1u) << depth;
            ++depth;
        }
        if (depth > 32) {
            bits_.Put(static_cast<uint32_t>(code >> 32), depth - 32);
            bits_.Put(static_cast<uint32_t>(code), 32);
        } else if (depth > 0) {
            bits_.Put(static_cast<uint32_t>(code), depth);
        }
        tree_.Update(static_cast<unsigned>(c));
    }

    void Position(unsigned p) {
        const unsigned upper = p >> 6;
        const int len = kPositionTables.pLen[upper];
        bits_.Put(kPositionTables.pCode[upper], len);
        bits_.Put(p & 63u, 6);
    }

private:
    TBitWriter& bits_;
    TLzhTree tree_;
};

}  // namespace

std::vector<uint8_t> LzhCompress(const uint8_t* data, size_t length) {
    std::vector<uint8_t> out;
    if (length == 0) return out;
    // Positions are ints; packages are capped far below this anyway.
    if (length > 0x7FFF0000u) throw Exception("Input too large to code");
    std::vector<uint8_t> text(N + length, 0);
    for (size_t i = N - kBlankFill; i < N; ++i) text[i] = 0x20;
    std::copy(data, data + length, text.begin() + N);
    out.reserve(length / 2 + 64);

    TBitWriter bits(out);
    TSymbolCoder coder(bits);
    TMatcher matcher(text);
    for (int i = 0; i < N; ++i) matcher.Insert(i);

    const int end = static_cast<int>(text.size());
    int pos = N;
    int distance = 0;
    int length0 = matcher.Find(pos, std::min(F, end - pos), distance);
    while (pos < end) {
        // One step of lazy matching: a longer match one byte later wins over this one.
        matcher.Insert(pos);
        int nextDistance = 0;
        int nextLength = 0;
        if (length0 > 0 && length0 < F && pos + 1 < end)
            nextLength = matcher.Find(pos + 1, std::min(F, end - pos - 1), nextDistance);
        if (length0 == 0 || nextLength > length0) {
            coder.Symbol(text[pos]);
            ++pos;
            if (nextLength > 0) {
                length0 = nextLength;
                distance = nextDistance;
            } else {
                length0 = pos < end ? matcher.Find(pos, std::min(F, end - pos), distance) : 0;
            }
            continue;
        }
        coder.Symbol(256 - THRESHOLD - 1 + length0);
        coder.Position(static_cast<unsigned>(distance - 1));
        for (int k = 1; k < length0; ++k) matcher.Insert(pos + k);
        pos += length0;
        length0 = pos < end ? matcher.Find(pos, std::min(F, end - pos), distance) : 0;
    }
    bits.Flush();
    return out;
}

}  // namespace tw
