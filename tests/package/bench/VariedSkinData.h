// VariedSkinData: about 8 MiB of skin-like bytes for the expansion benchmark: the skin
// designs of skins/, INI text, bitmaps of several kinds (24-bit gradients and keys, 8-bit
// palettised runs, 32-bit alpha ramps, photo-like noise) and any files the caller adds.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/package/TestData.h"

namespace benchdata {

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Bitmap header for width x height at bitsPerPixel, followed by stride * height zero bytes.
inline std::vector<uint8_t> BlankBitmap(int width, int height, int bitsPerPixel, size_t paletteBytes) {
    const int stride = ((width * bitsPerPixel + 31) / 32) * 4;
    const size_t headerBytes = 54 + paletteBytes;
    std::vector<uint8_t> v(headerBytes + static_cast<size_t>(stride) * height, 0);
    auto put32 = [&](size_t at, uint32_t x) {
        for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
    };
    v[0] = 'B';
    v[1] = 'M';
    put32(2, static_cast<uint32_t>(v.size()));
    put32(10, static_cast<uint32_t>(headerBytes));
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    v[26] = 1;
    v[28] = static_cast<uint8_t>(bitsPerPixel);
    return v;
}

inline std::vector<uint8_t> Palettised(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v = BlankBitmap(width, height, 8, 1024);
    for (int i = 0; i < 256; ++i) {
        v[54 + 4 * i] = static_cast<uint8_t>(i);
        v[55 + 4 * i] = static_cast<uint8_t>(255 - i);
        v[56 + 4 * i] = static_cast<uint8_t>(i * 7);
    }
    const int stride = (width + 3) & ~3;
    uint8_t* pixels = v.data() + 54 + 1024;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            const int run = 1 + static_cast<int>(rng() % 24);
            const uint8_t colour = static_cast<uint8_t>(rng() % 16);
            for (int k = 0; k < run && x < width; ++k, ++x) pixels[y * stride + x] = colour;
        }
    }
    return v;
}

inline std::vector<uint8_t> AlphaRamp(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v = BlankBitmap(width, height, 32, 0);
    uint8_t* px = v.data() + 54;
    const uint8_t tint = static_cast<uint8_t>(rng());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, px += 4) {
            px[0] = static_cast<uint8_t>(tint + x);
            px[1] = static_cast<uint8_t>(tint + y * 2);
            px[2] = static_cast<uint8_t>(x * 255 / width);
            px[3] = static_cast<uint8_t>(y * 255 / height);
        }
    return v;
}

inline std::vector<uint8_t> PhotoLike(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v = BlankBitmap(width, height, 24, 0);
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y) {
        int level = 128;
        for (int x = 0; x < width * 3; ++x) {
            level += static_cast<int>(rng() % 9) - 4;
            level = level < 0 ? 0 : level > 255 ? 255 : level;
            v[54 + y * stride + x] = static_cast<uint8_t>(level);
        }
    }
    return v;
}

inline std::string IniText(int objects, uint32_t seed) {
    std::mt19937 rng(seed);
    std::string ini;
    for (int i = 0; i < objects; ++i)
        ini += "[Object" + std::to_string(i) + "]\r\nImage=img" + std::to_string(rng() % 40) +
               ".bmp\r\nLeftWidth=" + std::to_string(rng() % 9) + "\r\nRightWidth=" + std::to_string(rng() % 9) +
               "\r\nTile=" + std::to_string(rng() % 2) +
               "\r\nTrans=1\r\nFontColor=" + std::to_string(rng() % 0xFFFFFF) + "\r\n";
    return ini;
}

// Skin-like bytes until at least targetBytes; the designs of skinsDir and extra files recur.
inline std::vector<uint8_t> VariedSkinBytes(size_t targetBytes, const std::string& skinsDir,
                                            const std::vector<std::string>& extraFiles) {
    std::vector<std::vector<uint8_t>> real;
    for (const char* name : {"AzureGlass", "Graphite", "LinenClassic", "SlateFlat", "Walnut"})
        real.push_back(ReadFile(skinsDir + "/" + name + ".design"));
    for (const auto& path : extraFiles) real.push_back(ReadFile(path));
    std::vector<uint8_t> out;
    auto add = [&](const std::vector<uint8_t>& b) { out.insert(out.end(), b.begin(), b.end()); };
    for (uint32_t round = 0; out.size() < targetBytes; ++round) {
        for (const auto& r : real) add(r);
        const std::string ini = IniText(40, round);
        add(std::vector<uint8_t>(ini.begin(), ini.end()));
        add(testdata::Bitmap(75 + round % 50, 24 + round % 11, round));
        add(testdata::Bitmap(300, 35, round + 1));
        add(Palettised(120 + round % 30, 40, round));
        add(AlphaRamp(64, 25 + round % 7, round));
        if (round % 4 == 0) add(PhotoLike(96, 32, round));
    }
    return out;
}

}  // namespace benchdata
