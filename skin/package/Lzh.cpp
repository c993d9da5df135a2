#include "skin/package/Lzh.h"

#include <cstring>
#include <new>

#include "skin/package/LzhExpandTree.h"
#include "skin/package/LzhPrefixTable.h"

namespace tw {

namespace {

using namespace lzh;

// Room behind the stated size: a final match may run 59 bytes past it, and matches are
// copied eight bytes at a time.
constexpr size_t kSlack = F + 8;

inline uint64_t BigEndian(uint64_t v) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return v;
#else
    return __builtin_bswap64(v);
#endif
}

// MSB-first bit reader over a memory buffer with a 64-bit look-ahead; bytes past the end
// read as zero.
class TBitReader {
public:
    TBitReader(const uint8_t* data, size_t length) : p_(data), begin_(data), end_(data + length) {}

    // After this at least 57 bits are buffered.
    void Refill() {
        // Tree depth keeps count_ far from negative; the guard keeps shifts defined regardless.
        if (count_ < 0) count_ = 0;
        if (end_ - p_ >= 8) {
            uint64_t v;
            std::memcpy(&v, p_, 8);
            buf_ |= BigEndian(v) >> count_;
            p_ += (63 - count_) >> 3;
            count_ |= 56;
        } else {
            while (count_ <= 56) {
                const uint64_t b = p_ < end_ ? *p_ : 0;
                ++p_;
                buf_ |= b << (56 - count_);
                count_ += 8;
            }
        }
    }

    int Count() const { return count_; }

    unsigned Bit() {
        const unsigned b = static_cast<unsigned>(buf_ >> 63);
        buf_ <<= 1;
        --count_;
        return b;
    }

    unsigned Peek8() const { return static_cast<unsigned>(buf_ >> 56); }
    unsigned Peek(int n) const { return static_cast<unsigned>(buf_ >> (64 - n)); }
    void Skip(int n) {
        buf_ <<= n;
        count_ -= n;
    }
    unsigned Take(int n) {
        const unsigned v = static_cast<unsigned>(buf_ >> (64 - n));
        buf_ <<= n;
        count_ -= n;
        return v;
    }

    size_t BytesUsed() const {
        // p_ may have walked past the end while supplying zero bytes.
        const size_t fetched = static_cast<size_t>(p_ - begin_);
        const size_t bits = fetched * 8 - static_cast<size_t>(count_);
        const size_t used = (bits + 7) / 8;
        const size_t length = static_cast<size_t>(end_ - begin_);
        return used < length ? used : length;
    }

private:
    const uint8_t* p_;
    const uint8_t* begin_;
    const uint8_t* end_;
    uint64_t buf_ = 0;
    int count_ = 0;
};

// Byte at virtual offset v < 0 before the output: the window starts as N - F blanks at the
// ring's low end, and the rest of the ring is zero.
inline uint8_t InitialWindowByte(ptrdiff_t v) { return v >= -kBlankFill ? 0x20 : 0x00; }

}  // namespace

std::vector<uint8_t> LzhExpand(const uint8_t* in, size_t inLength, uint32_t expandedSize, size_t* consumed) {
    if (expandedSize > kMaxExpandedSize) throw ElzhException("LZH : Expanded size too large");
    std::vector<uint8_t> out;
    if (expandedSize == 0) {
        if (consumed) *consumed = 0;
        return out;
    }
    try {
        out.resize(static_cast<size_t>(expandedSize) + kSlack);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }

    TLzhExpandTree tree;
    TLzhPrefixTable prefixes(tree);
    unsigned updatesLeft = tree.UpdatesBeforeRebuild();
    TBitReader bits(in, in ? inLength : 0);
    const TPositionTables& pt = kPositionTables;
    uint8_t* const base = out.data();
    size_t n = 0;
    const size_t size = expandedSize;

    while (n < size) {
        // A symbol needs at most about 23 bits (tree depth is bounded by the 0x8000 root
        // count) and a position at most 14, so 40 buffered bits serve both.
        if (bits.Count() < 40) bits.Refill();
        const TLzhPrefixTable::TEntry& start = prefixes.Lookup(bits.Peek(TLzhPrefixTable::kBits));
        bits.Skip(start.bits);
        unsigned code = tree.Son(start.node);
        while (code < TLzhExpandTree::kFirstCode) code = tree.Son(code - bits.Bit());
        if (updatesLeft == 0) {
            tree.Rebuild();
            prefixes.Build();
            updatesLeft = tree.UpdatesBeforeRebuild();
        }
        --updatesLeft;
        tree.Update(code, prefixes);
        const unsigned c = TLzhExpandTree::Symbol(code);
        if (c < 256) {
            base[n++] = static_cast<uint8_t>(c);
            continue;
        }
        const unsigned first = bits.Peek8();
        const int codeBits = pt.dLen[first] + 6;
        const unsigned position = (static_cast<unsigned>(pt.dCode[first]) << 6) | (bits.Take(codeBits) & 63u);
        const size_t distance = position + 1;
        const size_t length = c - (256 - THRESHOLD - 1);
        uint8_t* dst = base + n;
        if (distance <= n) {
            const uint8_t* src = dst - distance;
            if (distance >= 8) {
                for (size_t k = 0; k < length; k += 8) std::memcpy(dst + k, src + k, 8);
            } else {
                for (size_t k = 0; k < length; ++k) dst[k] = src[k];
            }
        } else {
            for (size_t k = 0; k < length; ++k) {
                const ptrdiff_t v = static_cast<ptrdiff_t>(n + k) - static_cast<ptrdiff_t>(distance);
                dst[k] = v >= 0 ? base[v] : InitialWindowByte(v);
            }
        }
        n += length;
    }
    out.resize(n);
    if (consumed) *consumed = bits.BytesUsed();
    return out;
}

void TLZH::Unpack(uint32_t expandedSize, TMemoryStream& input, TMemoryStream& output) {
    const size_t start = input.Position() < input.Size() ? input.Position() : input.Size();
    size_t used = 0;
    std::vector<uint8_t> bytes = LzhExpand(input.Memory() + start, input.Size() - start, expandedSize, &used);
    input.SetPosition(start + used);
    if (!bytes.empty()) output.Write(bytes.data(), bytes.size());
}

}  // namespace tw
