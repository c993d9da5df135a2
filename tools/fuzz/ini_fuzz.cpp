// Fuzz target: INI parsing and look-ups on arbitrary text.
// fuzz-libs: tw_skinpackage tw_core
// fuzz-max-len: 65536
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/package/QuickIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    tw::TQuickIni ini;
    ini.LoadFromText(text);
    tw::TStringList sections;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count() && i < 64; ++i) {
        const int line = ini.FindSection(sections[i]);
        // A listed name may fail to find its header only when trimming changed it ([ x ]).
        if (line >= ini.LineCount()) __builtin_trap();
        for (int k = line + 1; k >= 1 && k < ini.LineCount() && k < line + 16; ++k) {
            const std::string& l = ini.Lines(k);
            const std::string key = l.substr(0, l.find('='));
            ini.ReadString(sections[i], key, "d");
            ini.ReadInteger(sections[i], key, -1);
        }
    }
    int value = 0;
    tw::TryStrToInt(text.substr(0, 24), value);
    return 0;
}
