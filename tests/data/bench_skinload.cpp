// Benchmark: loading a skin (expansion, INI parse, bitmap decoding, derived images) against the
// bare expansion of the same package. Goal: the whole load within 3x the expansion.
// usage: bench_skinload [package.skn ...]   (default: a synthetic skin of about 480 KB expanded
// and the largest built-in skin of the build tree, when it has been built)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/MemoryStream.h"
#include "skin/data/SkinData.h"
#include "skin/package/Lzh.h"
#include "skin/package/SkinMessage.h"
#include "tests/data/SkinTestKit.h"

namespace {

using Clock = std::chrono::steady_clock;

uint32_t ExpandedSize(const std::vector<uint8_t>& package) {
    if (package.size() < 4) return 0;
    return static_cast<uint32_t>(package[0]) | (static_cast<uint32_t>(package[1]) << 8) |
           (static_cast<uint32_t>(package[2]) << 16) | (static_cast<uint32_t>(package[3]) << 24);
}

template <class F>
double Micros(F f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Smooth shades, as skin artwork mostly is, so the package compresses like a real one.
tw::TBitmap Shaded(int w, int h, int seed) {
    return tw::test::Painted(w, h, [seed](int x, int y) {
        return tw::RGBColor((x * 3 + seed * 40) & 0xFF, (y * 5 + seed * 17) & 0xFF, ((x + y) * 2 + seed) & 0xFF);
    });
}

std::vector<uint8_t> SyntheticSkin() {
    tw::test::TSkinKit kit;
    kit.Ini(R"([TitlebarSkin]
SkinName=Bench
[Personality]
Left=left.bmp
LeftFrame=2
LeftTopHeight=30
LeftBotHeight=30
Right=right.bmp
RightFrame=2
Top=top.bmp
TopFrame=2
TopTopHeight=40
TopBotHeight=40
Bottom=bottom.bmp
BottomFrame=2
menuBar=menubar.bmp
[Colours]
ButtonFace=212,208,200
[Button1]
ButtonImage=close.bmp
Action=0
[Button2]
ButtonImage=max.bmp
Action=1
[Button3]
ButtonImage=min.bmp
Action=2
[MDICONTROLS]
Image=mdi.bmp
[Buttons]
Bitmap=buttons.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
[Progress]
Bitmap=progress.bmp
[Tabs]
Image=tabs.bmp
[ComboButton]
Image=combo.bmp
[SunkEdge]
Image=sunk.bmp
[ExtraImages]
Image=extra.bmp
[Scrollbar]
Image=scroll.bmp
[HorzScrollThumb]
Image=hthumb.bmp
[VertScrollThumb]
Image=vthumb.bmp
[MenuItem]
Image=menuitem.bmp
[Headerbar]
Image=header.bmp
)");
    int seed = 0;
    auto add = [&](const char* name, int w, int h) { kit.Bmp(name, Shaded(w, h, ++seed)); };
    add("left.bmp", 16, 700);
    add("right.bmp", 16, 700);
    add("top.bmp", 800, 60);
    add("bottom.bmp", 800, 16);
    add("menubar.bmp", 200, 40);
    add("close.bmp", 63, 21);
    add("max.bmp", 63, 21);
    add("min.bmp", 63, 21);
    add("mdi.bmp", 192, 16);
    add("buttons.bmp", 375, 25);
    add("check.bmp", 208, 13);
    add("radio.bmp", 208, 13);
    add("progress.bmp", 200, 40);
    add("tabs.bmp", 300, 24);
    add("combo.bmp", 76, 21);
    add("sunk.bmp", 200, 21);
    add("extra.bmp", 45, 9);
    add("scroll.bmp", 391, 17);
    add("hthumb.bmp", 60, 17);
    add("vthumb.bmp", 51, 20);
    add("menuitem.bmp", 500, 22);
    add("header.bmp", 250, 20);
    return kit.Package();
}

void Measure(const std::string& label, const std::vector<uint8_t>& package) {
    const uint32_t expanded = ExpandedSize(package);
    // The two are timed in turn, best of many, so a busy machine weighs on both alike.
    const int runs = 40;
    double expand = 1e300, load = 1e300;
    bool parsed = true;
    for (int i = 0; i < runs; ++i) {
        expand = std::min(expand, Micros([&] {
                              std::vector<uint8_t> out = tw::LzhExpand(package.data() + 4, package.size() - 4,
                                                                       expanded);
                              if (out.size() < expanded) std::fprintf(stderr, "short expansion\n");
                          }));
        load = std::min(load, Micros([&] {
                            tw::TSkinData skin(nullptr);
                            skin.FSkinBuffer.Write(package.data(), package.size());
                            parsed = parsed && skin.ParseSkin();
                        }));
    }
    std::printf("%-28s package %7zu B, expanded %7u B: expansion %8.0f us, whole load %8.0f us, ratio %.2fx%s\n",
                label.c_str(), package.size(), expanded, expand, load, load / expand, parsed ? "" : " (PARSE FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
    tw::SetSkinMessageHook({});
    std::vector<std::string> paths(argv + 1, argv + argc);
#ifdef TW_SKIN_OUTPUT
    if (paths.empty()) {
        std::string largest;
        uint32_t largestSize = 0;
        for (int i = 0; i < 5; ++i) {
            const std::string path = std::string(TW_SKIN_OUTPUT) + "/SkinItem" + std::to_string(i) + ".skn";
            tw::TMemoryStream bytes;
            if (bytes.LoadFromFile(path) && ExpandedSize(bytes.Bytes()) > largestSize) {
                largestSize = ExpandedSize(bytes.Bytes());
                largest = path;
            }
        }
        if (!largest.empty()) paths.push_back(largest);
    }
#endif
    std::printf("skin load vs bare expansion (best of 40 runs each, interleaved; goal: ratio <= 3)\n");
    if (argc == 1) Measure("synthetic skin", SyntheticSkin());
    for (const std::string& path : paths) {
        tw::TMemoryStream bytes;
        if (!bytes.LoadFromFile(path)) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        Measure(path.substr(path.find_last_of("/\\") + 1), bytes.Bytes());
    }
    return 0;
}
