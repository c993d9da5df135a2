// The skin generator's own pieces: bitmap files, design texts, edge drawing against the key,
// and the agreement between a generated INI and its bitmaps.
#include <gtest/gtest.h>

#include <set>

#include "framework/core/Exception.h"
#include "skin/package/QuickIni.h"
#include "tools/skingen/Bmp.h"
#include "tools/skingen/Colour.h"
#include "tools/skingen/Draw.h"
#include "tools/skingen/SkinBuilder.h"
#include "tools/skingen/SkinFolder.h"
#include "tools/skingen/Theme.h"

namespace tw::skingen {
namespace {

std::string DesignPath(const std::string& name) { return std::string(TW_SKIN_DESIGN_DIR) + "/" + name; }

TEST(SkinBmp, RoundTripsOddWidthsAndRejectsWhatItCannotRead) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {5, 7}, {8, 3}}) {
        TImage img(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) img.At(x, y) = {uint8_t(x * 40), uint8_t(y * 30), uint8_t(x + y)};
        const std::vector<uint8_t> file = EncodeBmp(img);
        EXPECT_EQ(file.size(), 54 + ((w * 3 + 3) & ~3) * static_cast<size_t>(h));
        const TImage back = DecodeBmp(file);
        ASSERT_EQ(back.Width(), w);
        ASSERT_EQ(back.Height(), h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) EXPECT_EQ(back.At(x, y), img.At(x, y));
    }
    std::vector<uint8_t> file = EncodeBmp(TImage(4, 4));
    EXPECT_THROW(DecodeBmp({file.begin(), file.end() - 5}), tw::Exception);
    file[28] = 8;  // bits per pixel
    EXPECT_THROW(DecodeBmp(file), tw::Exception);
    EXPECT_THROW(DecodeBmp({'B', 'X'}), tw::Exception);
}

TEST(SkinDesign, BadDesignsAreRefusedWithTheLine) {
    const auto message = [](const std::string& text) {
        try {
            LoadTheme(text);
        } catch (const tw::Exception& e) {
            return e.Message();
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("Face = #FFFFFF"), "Design has no Name");
    EXPECT_NE(message("Name = X\nFace = #FFFFF").find("line 2"), std::string::npos);
    EXPECT_NE(message("Name = X\n\nFcae = #FFFFFF").find("unknown key Fcae"), std::string::npos);
    EXPECT_NE(message("Name = X\nSideWidth = 40").find("1..16"), std::string::npos);
    EXPECT_NE(message("Name = X\nSideWidth = 4px").find("not a number"), std::string::npos);
    EXPECT_NE(message("Name = X\nCaptionFrames = 4").find("3 or 6"), std::string::npos);
    EXPECT_NE(message("Name = X\nName = Y").find("given twice"), std::string::npos);
    EXPECT_NE(message("Name = X\nShaped = yes").find("TopRadius"), std::string::npos);
    EXPECT_NE(message("Name = X\nthis line has no sign").find("line 2"), std::string::npos);

    // Unset colours follow the core palette.
    const TTheme t = LoadTheme("# comment\nName = Plain\nFace = #C0C0C0\nText = #101010\n");
    EXPECT_EQ(t.Name, "Plain");
    EXPECT_EQ(t.ButtonText, t.Text);
    EXPECT_EQ(t.ButtonDisabledBottom, t.Face);
    EXPECT_FALSE(t.Shaped);
}

TEST(SkinDraw, ShapesStayCrispAgainstTheKeyAndBlendWithAMatte) {
    const Rgb fill{20, 80, 160}, matte{230, 230, 230};
    TImage crisp(20, 20);
    Draw(crisp, Circle(10, 10, 8.3), Solid(fill));
    TImage soft(20, 20);
    Draw(soft, Circle(10, 10, 8.3), Solid(fill), Solid(matte));
    int blended = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const Rgb c = crisp.At(x, y);
            EXPECT_TRUE(c == kKey || c == fill) << "crisp edge pixel at " << x << "," << y;
            const Rgb s = soft.At(x, y);
            if (s == kKey || s == fill) continue;
            ++blended;
            EXPECT_TRUE(s.r >= fill.r && s.r <= matte.r && s.b >= fill.b && s.b <= matte.b) << "edge picked up the key";
        }
    EXPECT_GT(blended, 10);

    TImage img(2, 1);
    Draw(img, Box(0, 0, 2, 1), Solid({255, 1, 255}));
    EXPECT_EQ(img.At(0, 0), (Rgb{255, 2, 255})) << "a painted pixel read as the key";
}

TEST(SkinDesign, EveryBuiltInDesignBuildsAnIniWhoseImagesAllExist) {
    for (const char* file :
         {"LinenClassic.design", "Graphite.design", "AzureGlass.design", "Walnut.design", "SlateFlat.design"}) {
        SCOPED_TRACE(file);
        const TSkinFiles skin = BuildSkin(LoadTheme(ReadTextFile(DesignPath(file))));
        std::set<std::string> images, referenced;
        for (const auto& [name, img] : skin.Images) images.insert(name);
        for (const auto& [section, keys] : skin.Ini.Sections())
            for (const auto& [key, value] : keys)
                if (value.size() > 4 && value.substr(value.size() - 4) == ".bmp") {
                    referenced.insert(value);
                    EXPECT_TRUE(images.count(value)) << section << "/" << key << " names a missing " << value;
                }
        EXPECT_EQ(images, referenced) << "every painted image is used";
        // The INI text reads back through the engine's parser with the same values.
        const auto members = skin.Members();
        TMemoryStream stream;
        stream.Write(members[0].second.data(), members[0].second.size());
        stream.SetPosition(0);
        TQuickIni ini;
        ini.LoadFromStream(&stream);
        EXPECT_EQ(ini.ReadString("Buttons", "Bitmap", ""), "button.bmp");
        EXPECT_EQ(ini.ReadInteger("Personality", "LeftFrame", 0), 2);
    }
}

}  // namespace
}  // namespace tw::skingen
