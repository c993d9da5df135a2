// Fuzz target: the bitmap file decoder alone, and the writer on whatever it accepts.
// fuzz-libs: tw_bitmap
// fuzz-max-len: 1048576
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "skin/data/BmpCodec.h"

namespace {

// An input may end in a repeat trailer: "RPT", then the start (4 bytes), length (2 bytes) and
// count (3 bytes) of a span of the bytes before it, little-endian. The file decoded is then
// those bytes with the span standing `count` times over. A faulty decoder may need millions of
// one repeated code (skips that carry a column past any int); no mutation types that out,
// but a dozen bytes describe it.
constexpr size_t kTrailer = 12;
constexpr size_t kMaxRepeated = size_t(48) << 20;

uint32_t Le(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// The file a trailer describes, in a buffer of exactly its size (so reads past it are caught);
// null when the input has no usable trailer.
std::unique_ptr<uint8_t[]> Repeated(const uint8_t* data, size_t size, size_t& length) {
    if (size < kTrailer || std::memcmp(data + size - kTrailer, "RPT", 3) != 0) return nullptr;
    const uint8_t* t = data + size - kTrailer + 3;
    const size_t body = size - kTrailer, start = Le(t, 4), span = Le(t + 4, 2), count = Le(t + 6, 3);
    if (span == 0 || start > body || span > body - start || count > kMaxRepeated / span) return nullptr;
    length = body - span + span * count;
    if (length == 0) return nullptr;
    std::unique_ptr<uint8_t[]> file(new uint8_t[length]);
    uint8_t* out = file.get();
    std::memcpy(out, data, start);
    out += start;
    for (size_t i = 0; i < count; ++i, out += span) std::memcpy(out, data + start, span);
    std::memcpy(out, data + start + span, body - start - span);
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t repeatedSize = 0;
    const std::unique_ptr<uint8_t[]> repeated = Repeated(data, size, repeatedSize);
    if (repeated) {
        data = repeated.get();
        size = repeatedSize;
    }
    tw::TBitmap bitmap;
    if (!tw::LoadBmp(data, size, bitmap)) {
        if (!bitmap.Empty()) __builtin_trap();  // a refused file leaves nothing behind
        return 0;
    }
    if (bitmap.Width() > tw::TBitmap::MaxSide || bitmap.Height() > tw::TBitmap::MaxSide) __builtin_trap();
    // Every pixel is readable (the sanitizers watch the rows).
    uint32_t sum = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) sum += bitmap.Pixel(x, y);
    // What we write we read back unchanged.
    tw::TBitmap back;
    if (!tw::LoadBmp(tw::SaveBmp(bitmap), back) || !back.SamePixels(bitmap)) __builtin_trap();
    return static_cast<int>(sum & 0);
}
