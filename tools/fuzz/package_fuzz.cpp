// Fuzz target: opening a skin package (expansion and archive reading) and extracting members.
// fuzz-libs: tw_skinpackage tw_core
// fuzz-max-len: 1048576
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/package/Lzh.h"
#include "skin/package/SkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= 4) {
        const uint32_t stated = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                                (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
        // A match of up to 60 bytes takes at least 10 bits, so no input expands to more than 48
        // times its size; beyond that only zero bits past its end expand, which costs time and
        // shows nothing new. Small sizes always pass, so short inputs stay quick.
        if (stated > (64u << 10) && stated / 48 > size) return 0;
    }
    tw::TMemoryStream package(std::vector<uint8_t>(data, data + size));
    tw::TSkinReader reader;
    if (!reader.Open(package)) return 0;
    tw::TMemoryStream target;
    std::string found;
    reader.ExtractFirstMatch(".ini", target, found);
    for (int i = 0; i < reader.Count(); ++i) {
        reader.ExtractMember(reader.Names(i), target);
        if (target.Size() != static_cast<size_t>(reader.Sizes(i)) && reader.Sizes(i) != 0) {
            // A later duplicate name finds the first member; anything else is a fault.
            bool duplicate = false;
            for (int j = 0; j < i; ++j) duplicate |= reader.Names(j) == reader.Names(i);
            if (!duplicate) __builtin_trap();
        }
    }
    return 0;
}
