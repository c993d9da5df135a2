// Fuzz target: a whole skin load (expansion, INI schema, bitmap decoding, derived images) from
// arbitrary package bytes.
// fuzz-libs: tw_skindata tw_skinmanage tw_skinpackage tw_bitmap tw_core
#include <cstddef>
#include <cstdint>

#include "skin/data/SkinData.h"
#include "skin/package/SkinMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= 4) {
        const uint32_t stated = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                                (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
        // Large expanded sizes only cost time; keep runs quick.
        if (stated > (512u << 10)) return 0;
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
