// Loading the built-in skin packages of this build into parsed skin objects for the tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/package/QuickIni.h"
#include "tools/skingen/Image.h"

namespace tw::skintest {

struct TLoadedSkin {
    int Index = 0;
    std::vector<uint8_t> Package;
    std::unique_ptr<TSkinData> Data;
    TQuickIni Ini;
    std::vector<std::string> MemberNames;
    size_t ExpandedSize = 0;
};

// The five packages SkinItem0..SkinItem4, loaded once per test program.
const std::vector<TLoadedSkin>& BuiltInSkins();

// A bitmap of the skin model as a generator image (for pixel checks).
skingen::TImage ToImage(const TBitmap& bitmap);
skingen::Rgb ToRgb(TColor colour);

}  // namespace tw::skintest
