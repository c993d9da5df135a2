// Hand-built bitmap files for the decoder tests: every header field is written explicitly so a
// test states the very bytes a file holds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace tw::test {

struct TBmpFile {
    std::vector<uint8_t> bytes;
    void U8(unsigned v) { bytes.push_back(static_cast<uint8_t>(v)); }
    void U16(unsigned v) {
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Raw(std::initializer_list<unsigned> values) {
        for (unsigned v : values) U8(v);
    }
    // The same bytes `times` times over, for files that repeat one code millions of times.
    void Repeat(const std::vector<uint8_t>& values, size_t times) {
        const size_t start = bytes.size(), total = values.size() * times;
        if (total == 0) return;
        bytes.resize(start + total);
        std::copy(values.begin(), values.end(), bytes.begin() + static_cast<ptrdiff_t>(start));
        // Doubling copies keep a debug build quick for tens of megabytes.
        for (size_t done = values.size(); done < total; done *= 2) {
            const size_t n = std::min(done, total - done);
            std::memcpy(bytes.data() + start + done, bytes.data() + start, n);
        }
    }
    // File header with a pixel offset; the total size is patched by Finish().
    void FileHeader(uint32_t offBits) {
        Raw({'B', 'M'});
        U32(0);
        U32(0);
        U32(offBits);
    }
    // A 40-byte information header.
    void InfoHeader(int32_t width, int32_t height, unsigned bitCount, uint32_t compression = 0,
                    uint32_t colorsUsed = 0) {
        U32(40);
        U32(static_cast<uint32_t>(width));
        U32(static_cast<uint32_t>(height));
        U16(1);
        U16(bitCount);
        U32(compression);
        U32(0);
        U32(0);
        U32(0);
        U32(colorsUsed);
        U32(0);
    }
    void Finish() {
        uint32_t size = static_cast<uint32_t>(bytes.size());
        for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<uint8_t>(size >> (8 * i));
    }
};

}  // namespace tw::test
