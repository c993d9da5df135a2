// contactsheet: renders a skin package's parsed objects into one bitmap for review
// (convert it to PNG with ImageMagick; the build's tw_skin_sheets target does both).
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/SkinData.h"
#include "tools/contactsheet/Sheet.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: contactsheet PACKAGE.skn OUTPUT.bmp TITLE\n");
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        const std::vector<uint8_t> package((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) throw std::runtime_error("cannot read the package");
        tw::TSkinData skin(nullptr);
        skin.FSkinBuffer.Write(package.data(), package.size());
        if (!skin.ParseSkin()) throw std::runtime_error("the package is not a readable skin");
        const std::vector<uint8_t> bmp = tw::SaveBmp(tw::contactsheet::RenderSheet(skin, argv[3]));
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
        if (!out) throw std::runtime_error("cannot write the sheet");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contactsheet: %s: %s\n", argv[1], e.what());
        return 1;
    }
}
