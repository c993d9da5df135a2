// Expansion benchmark: MiB/s of expanded output (median of repeated runs) for a skin-like
// package and for random bytes, against the plain step-by-step expander as the baseline.
// "fast-only [skin|random]" runs just our expander once (for callgrind --toggle-collect).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "skin/package/Lzh.h"
#include "skin/package/SkinPackageWriter.h"
#include "tests/package/ReferenceLzh.h"
#include "tests/package/TestData.h"

namespace {

// An INI and 34 bitmaps of button, frame and bar sizes: about 350 KB once expanded.
std::vector<uint8_t> SkinLikeArchive() {
    std::vector<tw::TSkinMember> members;
    std::string ini;
    for (int i = 0; i < 60; ++i)
        ini += "[Object" + std::to_string(i) + "]\r\nImage=img" + std::to_string(i % 34) +
               ".bmp\r\nLeftWidth=4\r\nRightWidth=4\r\nTile=1\r\nTrans=1\r\n";
    members.push_back({"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())});
    const int sizes[][2] = {{75, 24}, {64, 25}, {300, 35}, {16, 18}, {13, 60}, {120, 9}, {60, 70}, {200, 29}};
    for (int i = 0; i < 34; ++i) {
        const auto* s = sizes[i % 8];
        members.push_back(
            {"img" + std::to_string(i) + ".bmp", testdata::Bitmap(s[0], s[1] + i % 5, static_cast<uint32_t>(i))});
    }
    return tw::BuildSkinArchive(members);
}

template <class F>
double MedianSeconds(int runs, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        f();
        const auto b = std::chrono::steady_clock::now();
        t.push_back(std::chrono::duration<double>(b - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void Measure(const char* label, const std::vector<uint8_t>& expanded, bool fastOnly) {
    const std::vector<uint8_t> package = tw::PackLzh(expanded);
    const uint8_t* coded = package.data() + 4;
    const size_t codedSize = package.size() - 4;
    const uint32_t size = static_cast<uint32_t>(expanded.size());
    if (!fastOnly && tw::LzhExpand(coded, codedSize, size) != expanded) {
        std::printf("%s: expansion does not match\n", label);
        return;
    }
    const double mib = static_cast<double>(size) / (1024.0 * 1024.0);
    const int runs = fastOnly ? 1 : 21;
    const double fast = MedianSeconds(runs, [&] {
        volatile auto n = tw::LzhExpand(coded, codedSize, size).size();
        (void)n;
    });
    std::printf("%-22s %8zu bytes expanded from %7zu: ours %7.1f MiB/s", label, expanded.size(), codedSize, mib / fast);
    if (!fastOnly) {
        const std::vector<uint8_t> codedBytes(coded, coded + codedSize);
        const double plain = MedianSeconds(5, [&] {
            volatile auto n = reference::Expand(codedBytes, size).size();
            (void)n;
        });
        std::printf(", plain byte-at-a-time %6.1f MiB/s, x%.2f", mib / plain, plain / fast);
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const bool fastOnly = argc > 1 && std::strcmp(argv[1], "fast-only") == 0;
    const std::string only = argc > 2 ? argv[2] : "";
    if (only != "random") Measure("skin-like package", SkinLikeArchive(), fastOnly);
    if (only != "skin") Measure("random 1 MiB", testdata::RandomBytes(1 << 20, 42), fastOnly);
    return 0;
}
