// Fuzz target: a whole skin load (expansion, INI schema, bitmap decoding, derived images) from
// arbitrary package bytes.
// fuzz-libs: tw_skindata tw_skinmanage tw_skinpackage tw_bitmap tw_core
// fuzz-max-len: 1048576
#include <cstddef>
#include <cstdint>

#include "skin/data/SkinData.h"
#include "skin/package/SkinMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= 4) {
        const uint32_t stated = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                                (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
        // No input codes more than 48 times its size (a match of up to 60 bytes takes at least
        // 10 bits); a larger stated size only expands zero bits past the end. A crafted package
        // of a megabyte may still state tens of megabytes.
        if (stated > (512u << 10) && stated / 48 > size) return 0;
    }
    static const bool silenced = [] {
        tw::SetSkinMessageHook({});
        return true;
    }();
    (void)silenced;
    tw::TSkinData skin(nullptr);
    skin.FSkinBuffer.Write(data, size);
    if (!skin.ParseSkin()) return 0;
    // After any successful parse these exist, whatever the description said.
    if (!skin.Track || !skin.TrackVert || !skin.Toolbar || !skin.ComboxArrow || skin.FNoSkin) __builtin_trap();
    if (skin.Toolbar->Image.Width() != 10 || skin.Toolbar->Image.Height() != 40) __builtin_trap();
    return 0;
}
