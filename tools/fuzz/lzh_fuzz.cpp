// Fuzz target: our coder and expander must round-trip any bytes, and expanding arbitrary bits
// must stay within the stated size plus one final match and give what the classic decoder
// gives for the same bits.
// fuzz-libs: tw_skinpackage tw_core
// fuzz-max-len: 1048576
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/package/Lzh.h"
#include "skin/package/LzhCoder.h"
#include "tests/package/bench/ClassicLzhuf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> coded = tw::LzhCompress(data, size);
    const std::vector<uint8_t> back = tw::LzhExpand(coded.data(), coded.size(), static_cast<uint32_t>(size));
    if (back != std::vector<uint8_t>(data, data + size)) __builtin_trap();

    const uint32_t stated = static_cast<uint32_t>(size * 3 + 1);
    const std::vector<uint8_t> raw = tw::LzhExpand(data, size, stated);
    if (raw.size() < stated || raw.size() > stated + 59) __builtin_trap();
    if (raw != classic::ClassicLzhufExpand(data, size, stated)) __builtin_trap();
    return 0;
}
