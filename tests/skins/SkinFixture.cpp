#include "tests/skins/SkinFixture.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "skin/package/SkinReader.h"

namespace tw::skintest {

namespace {

std::vector<TLoadedSkin> LoadAll() {
    std::vector<TLoadedSkin> skins;
    for (int i = 0; i < 5; ++i) {
        TLoadedSkin skin;
        skin.Index = i;
        const std::string path = std::string(TW_SKIN_OUTPUT_DIR) + "/SkinItem" + std::to_string(i) + ".skn";
        std::ifstream in(path, std::ios::binary);
        if (!in) throw std::runtime_error("missing package " + path + " (build target tw_skin_packages)");
        skin.Package.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (skin.Package.size() < 4) throw std::runtime_error("package too short: " + path);
        skin.ExpandedSize = skin.Package[0] | (skin.Package[1] << 8) | (skin.Package[2] << 16) |
                            (static_cast<size_t>(skin.Package[3]) << 24);

        TMemoryStream stream;
        stream.Write(skin.Package.data(), skin.Package.size());
        TSkinReader reader;
        if (!reader.Open(stream)) throw std::runtime_error("reader refuses " + path);
        for (int m = 0; m < reader.Count(); ++m) skin.MemberNames.push_back(reader.Names(m));
        TMemoryStream iniBytes;
        std::string iniName;
        reader.ExtractFirstMatch(".ini", iniBytes, iniName);
        iniBytes.SetPosition(0);
        skin.Ini.LoadFromStream(&iniBytes);

        skin.Data = std::make_unique<TSkinData>(nullptr);
        skin.Data->FSkinBuffer.Write(skin.Package.data(), skin.Package.size());
        if (!skin.Data->ParseSkin()) throw std::runtime_error("skin model refuses " + path);
        skins.push_back(std::move(skin));
    }
    return skins;
}

}  // namespace

const std::vector<TLoadedSkin>& BuiltInSkins() {
    static const std::vector<TLoadedSkin> skins = LoadAll();
    return skins;
}

skingen::Rgb ToRgb(TColor c) {
    return {static_cast<uint8_t>(RedOf(c)), static_cast<uint8_t>(GreenOf(c)), static_cast<uint8_t>(BlueOf(c))};
}

skingen::TImage ToImage(const TBitmap& bitmap) {
    skingen::TImage image(bitmap.Width(), bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) image.At(x, y) = ToRgb(bitmap.Pixel(x, y));
    return image;
}

}  // namespace tw::skintest
