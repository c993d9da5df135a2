// TFloodGen: the reproducible output flood written by the test child and checked by the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tw::test {

// Text with LF, CR and NUL mixed in, but never a CR directly followed by an LF: without such
// pairs the lines do not depend on where the reader's pieces happen to be cut.
class TFloodGen {
public:
    explicit TFloodGen(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    uint64_t NextWide() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    uint32_t Next() { return static_cast<uint32_t>(NextWide() >> 32); }

    // Four bytes per number drawn, so that the child writes faster than the reader reads and
    // the benchmark measures the reader. The stream does not depend on how it is cut into calls.
    void Fill(char* out, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (left_ == 0) {
                bits_ = NextWide();
                left_ = 4;
            }
            out[i] = Pick(static_cast<uint32_t>(bits_ & 0xffff) % 1000);
            bits_ >>= 16;
            --left_;
        }
    }

private:
    char Pick(uint32_t r) {
        char c;
        if (r < 25) c = '\n';
        else if (r < 37)
            c = '\r';
        else if (r < 42)
            c = '\0';
        else
            c = static_cast<char>('!' + r % 94);
        if (c == '\n' && lastWasCr_) c = 'L';
        lastWasCr_ = c == '\r';
        return c;
    }

    uint64_t state_;
    uint64_t bits_ = 0;
    int left_ = 0;
    bool lastWasCr_ = false;
};

// FNV-1a over lines, each followed by one LF: compares a run's lines with the flood's.
struct TLineDigest {
    uint64_t Hash = 0xcbf29ce484222325ull;
    uint64_t Lines = 0;
    uint64_t Bytes = 0;

    void AddBytes(const char* p, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            Hash ^= static_cast<unsigned char>(p[i]);
            Hash *= 0x100000001b3ull;
        }
        Bytes += n;
    }
    void AddLine(const std::string& line) {
        AddBytes(line.data(), line.size());
        AddBytes("\n", 1);
        ++Lines;
    }
    bool operator==(const TLineDigest& o) const { return Hash == o.Hash && Lines == o.Lines && Bytes == o.Bytes; }
};

// The lines a flood of `total` bytes must give, worked out independently of the splitter:
// every CR and every LF ends a line (the flood has no CR LF pairs), NUL is dropped.
inline TLineDigest ExpectedFloodDigest(uint64_t seed, size_t total) {
    TFloodGen gen(seed);
    TLineDigest digest;
    std::string line;
    std::string block(1 << 20, '\0');
    for (size_t done = 0; done < total;) {
        const size_t n = total - done < block.size() ? total - done : block.size();
        gen.Fill(&block[0], n);
        for (size_t i = 0; i < n; ++i) {
            const char c = block[i];
            if (c == '\0') continue;
            if (c == '\r' || c == '\n') {
                digest.AddLine(line);
                line.clear();
            } else {
                line += c;
            }
        }
        done += n;
    }
    if (!line.empty()) digest.AddLine(line);
    return digest;
}

}  // namespace tw::test
