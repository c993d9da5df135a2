// Sample inputs for the package tests and the benchmark: seeded, so every run sees the same bytes.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace testdata {

inline std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = static_cast<uint8_t>(rng());
    return v;
}

inline std::vector<uint8_t> Text(size_t n, uint32_t seed) {
    static const char* words[] = {
        "skin", "button", "frame",   "caption", "[Buttons]", "Tile=1\r\n", "Image=btn.bmp\r\n",
        "the ", "of ",    "window ", "border ", "\r\n"};
    std::mt19937 rng(seed);
    std::string s;
    while (s.size() < n) s += words[rng() % (sizeof words / sizeof *words)];
    s.resize(n);
    return std::vector<uint8_t>(s.begin(), s.end());
}

// A 24-bit bitmap file: smooth gradients, flat fills and magenta key areas, as skin images are.
inline std::vector<uint8_t> Bitmap(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t imageSize = static_cast<uint32_t>(stride * height);
    std::vector<uint8_t> v(54 + imageSize, 0);
    auto put32 = [&](size_t at, uint32_t x) {
        for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
    };
    v[0] = 'B';
    v[1] = 'M';
    put32(2, static_cast<uint32_t>(v.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    v[26] = 1;
    v[28] = 24;
    put32(34, imageSize);
    const int band = 3 + static_cast<int>(rng() % 5);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = v.data() + 54 + y * stride;
        for (int x = 0; x < width; ++x) {
            uint8_t* px = row + 3 * x;
            if (x < band || x >= width - band) {
                px[0] = 255, px[1] = 0, px[2] = 255;
            } else if (y % 16 < 8) {
                px[0] = static_cast<uint8_t>(120 + y % 64), px[1] = static_cast<uint8_t>(90 + x % 32), px[2] = 60;
            } else {
                px[0] = px[1] = px[2] = static_cast<uint8_t>(200 + (rng() % 3));
            }
        }
    }
    return v;
}

}  // namespace testdata
