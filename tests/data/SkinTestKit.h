// Building skin packages inside tests: bitmaps drawn from simple rules, encoded as members
// of a package beside an INI text written by the test.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/Bitmap.h"
#include "skin/data/BmpCodec.h"
#include "skin/package/SkinPackageWriter.h"

namespace tw::test {

// A 24-bit bitmap whose pixel (x, y) is paint(x, y).
inline TBitmap Painted(int width, int height, const std::function<TColor(int, int)>& paint) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, paint(x, y));
    return b;
}

inline TBitmap Solid(int width, int height, TColor colour) {
    return Painted(width, height, [colour](int, int) { return colour; });
}

class TSkinKit {
public:
    TSkinKit& Ini(const std::string& text) {
        ini_ = text;
        return *this;
    }
    TSkinKit& Bmp(const std::string& name, const TBitmap& bitmap) {
        members_.push_back({name, SaveBmp(bitmap)});
        return *this;
    }
    TSkinKit& Raw(const std::string& name, std::vector<uint8_t> bytes) {
        members_.push_back({name, std::move(bytes)});
        return *this;
    }
    std::vector<TSkinMember> Members() const {
        std::vector<TSkinMember> all{{"skin.ini", std::vector<uint8_t>(ini_.begin(), ini_.end())}};
        all.insert(all.end(), members_.begin(), members_.end());
        return all;
    }
    std::vector<uint8_t> Package() const { return BuildSkinPackage(Members()); }

private:
    std::string ini_;
    std::vector<TSkinMember> members_;
};

}  // namespace tw::test
