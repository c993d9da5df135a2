// Our expander against the classic byte-at-a-time decoder on about 8 MiB of varied skin-like
// bytes. "write FILE [extra...]" codes the data into FILE (size, then coded bytes); "ours FILE"
// and "classic FILE" expand it once (for callgrind --toggle-collect, see lzh_callgrind.sh);
// "time FILE" checks both give the same bytes and prints MiB/s of each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "skin/package/Lzh.h"
#include "skin/package/LzhCoder.h"
#include "tests/package/bench/ClassicLzhuf.h"
#include "tests/package/bench/VariedSkinData.h"

namespace {

struct TCoded {
    uint32_t size = 0;
    std::vector<uint8_t> bytes;
};

TCoded Load(const char* path) {
    TCoded c;
    std::vector<uint8_t> all = benchdata::ReadFile(path);
    if (all.size() < 4) return c;
    std::memcpy(&c.size, all.data(), 4);
    c.bytes.assign(all.begin() + 4, all.end());
    return c;
}

// Kept out of line so that callgrind can collect exactly the expansion.
__attribute__((noinline)) size_t ExpandOurs(const TCoded& c) {
    return tw::LzhExpand(c.bytes.data(), c.bytes.size(), c.size).size();
}
__attribute__((noinline)) size_t ExpandClassic(const TCoded& c) {
    return classic::ClassicLzhufExpand(c.bytes.data(), c.bytes.size(), c.size).size();
}

template <class F>
double MedianSeconds(int runs, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        f();
        t.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: lzh_vs_classic write|ours|classic|time FILE [extra files for write]\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "write") {
        const std::vector<std::string> extra(argv + 3, argv + argc);
        const std::vector<uint8_t> data = benchdata::VariedSkinBytes(8u << 20, TW_SKINS_DIR, extra);
        const std::vector<uint8_t> coded = tw::LzhCompress(data.data(), data.size());
        const uint32_t size = static_cast<uint32_t>(data.size());
        std::ofstream f(argv[2], std::ios::binary);
        f.write(reinterpret_cast<const char*>(&size), 4);
        f.write(reinterpret_cast<const char*>(coded.data()), static_cast<std::streamsize>(coded.size()));
        std::printf("%u bytes coded into %zu\n", size, coded.size());
        return 0;
    }
    const TCoded c = Load(argv[2]);
    if (c.size == 0) return 1;
    if (mode == "ours") return ExpandOurs(c) >= c.size ? 0 : 1;
    if (mode == "classic") return ExpandClassic(c) >= c.size ? 0 : 1;
    const auto ours = tw::LzhExpand(c.bytes.data(), c.bytes.size(), c.size);
    const auto plain = classic::ClassicLzhufExpand(c.bytes.data(), c.bytes.size(), c.size);
    if (ours != plain) {
        std::printf("outputs differ\n");
        return 1;
    }
    const double mib = c.size / (1024.0 * 1024.0);
    const double fast = MedianSeconds(9, [&] { ExpandOurs(c); });
    const double slow = MedianSeconds(5, [&] { ExpandClassic(c); });
    std::printf("%u bytes: ours %.1f MiB/s, classic %.1f MiB/s, x%.2f\n", c.size, mib / fast, mib / slow, slow / fast);
    return 0;
}
