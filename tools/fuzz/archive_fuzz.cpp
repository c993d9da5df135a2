// Fuzz target: reading skin archives. The input is the expanded archive itself; it is coded
// with our coder and opened, so mutations reach the archive parser directly.
// fuzz-libs: tw_skinpackage tw_core
// fuzz-max-len: 1048576
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/package/SkinPackageWriter.h"
#include "skin/package/SkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) return 0;
    tw::TMemoryStream package(tw::PackLzh(std::vector<uint8_t>(data, data + size)));
    tw::TSkinReader reader;
    if (!reader.Open(package)) return 0;
    // What was accepted must describe itself consistently: names, sizes and contents.
    uint64_t total = 0;
    tw::TMemoryStream target;
    for (int i = 0; i < reader.Count(); ++i) {
        if (reader.Sizes(i) < 0) __builtin_trap();
        total += static_cast<uint64_t>(reader.Sizes(i));
        reader.ExtractIndex(i, target);
        if (target.Size() != static_cast<size_t>(reader.Sizes(i))) __builtin_trap();
    }
    if (reader.Count() > 1001 || total > size) __builtin_trap();
    std::string found;
    reader.ExtractFirstMatch(".bmp", target, found);
    return 0;
}
