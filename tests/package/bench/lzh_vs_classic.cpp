// Our expander against the classic byte-at-a-time decoder on about 8 MiB of varied skin-like
// bytes. "write FILE [extra...]" codes the data into FILE (size, then coded bytes); "ours FILE"
// and "classic FILE" expand it once (for callgrind --toggle-collect, see lzh_callgrind.sh);
// "repeat FILE PACKAGE" codes a real skin package's bytes repeated to 8 MiB instead;
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

// A coded file: its expanded size, then the coded bytes. Says why and answers false when the
// file is missing or too short to hold a size other than 0.
bool Load(const char* path, TCoded& c) {
    const std::vector<uint8_t> all = benchdata::ReadFile(path);
    if (all.size() >= 4) std::memcpy(&c.size, all.data(), 4);
    if (all.size() < 4 || c.size == 0) {
        std::fprintf(stderr, "lzh_vs_classic: %s is missing or holds no coded data\n", path);
        return false;
    }
    c.bytes.assign(all.begin() + 4, all.end());
    return true;
}

int Save(const char* path, const std::vector<uint8_t>& data) {
    const std::vector<uint8_t> coded = tw::LzhCompress(data.data(), data.size());
    const uint32_t size = static_cast<uint32_t>(data.size());
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(&size), 4);
    f.write(reinterpret_cast<const char*>(coded.data()), static_cast<std::streamsize>(coded.size()));
    if (!f) {
        std::fprintf(stderr, "lzh_vs_classic: cannot write %s\n", path);
        return 1;
    }
    std::printf("%u bytes coded into %zu\n", size, coded.size());
    return 0;
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

int Run(int argc, char** argv) {
    const std::string mode = argc >= 2 ? argv[1] : "";
    if (argc < 3 || (mode == "repeat" && argc != 4)) {
        std::fprintf(
            stderr,
            "usage: lzh_vs_classic write|repeat|ours|classic|time FILE [extra files for write | package for repeat]\n");
        return 2;
    }
    if (mode == "write") {
        const std::vector<std::string> extra(argv + 3, argv + argc);
        return Save(argv[2], benchdata::VariedSkinBytes(8u << 20, TW_SKINS_DIR, extra));
    }
    if (mode == "repeat") {
        // One real skin package's archive bytes, repeated to 8 MiB.
        TCoded package;
        if (!Load(argv[3], package)) return 1;
        const std::vector<uint8_t> skin = tw::LzhExpand(package.bytes.data(), package.bytes.size(), package.size);
        std::vector<uint8_t> data;
        while (data.size() < (8u << 20)) data.insert(data.end(), skin.begin(), skin.begin() + package.size);
        return Save(argv[2], data);
    }
    TCoded c;
    if (!Load(argv[2], c)) return 1;
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

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        // A damaged or foreign file: an expanded size out of range.
        std::fprintf(stderr, "lzh_vs_classic: %s\n", error.what());
        return 1;
    }
}
