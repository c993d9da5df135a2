// Fuzz target: the bitmap file decoder alone, and the writer on whatever it accepts.
// fuzz-libs: tw_bitmap
// fuzz-max-len: 1048576
#include <cstddef>
#include <cstdint>

#include "skin/data/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
