#include "tools/skingen/SkinBuilder.h"

#include "framework/core/Exception.h"
#include "tools/skingen/Bmp.h"
#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

std::string TSkinFiles::AddImage(const std::string& name, TImage image) {
    for (const auto& [existing, img] : Images)
        if (existing == name) throw tw::Exception("Skin image " + name + " made twice");
    if (image.Empty()) throw tw::Exception("Skin image " + name + " is empty");
    Images.emplace_back(name, std::move(image));
    return Images.back().first;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> TSkinFiles::Members() const {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> members;
    const std::string text = Ini.Text();
    members.emplace_back(kSkinIniName, std::vector<uint8_t>(text.begin(), text.end()));
    for (const auto& [name, image] : Images) members.emplace_back(name, EncodeBmp(image));
    return members;
}

namespace {

void BuildColours(const TTheme& t, TIniText& ini) {
    ini.Section("Colours");
    const std::pair<const char*, Rgb> colours[] = {{"WindowText", t.Text},
                                                   {"ButtonFace", t.Face},
                                                   {"Scrollbar", t.ScrollTrack},
                                                   {"HilightText", t.AccentText},
                                                   {"Hilight", t.Accent},
                                                   {"Menubar", t.MenuBar},
                                                   {"Menu", t.Menu},
                                                   {"MenuText", t.MenuText},
                                                   {"ButtonText", t.ButtonText},
                                                   {"ButtonHilight", t.Light},
                                                   {"Buttonlight", Mix(t.Light, t.Face, 0.5)},
                                                   {"ButtonShadow", t.Shadow},
                                                   {"ButtonDkShadow", t.DkShadow},
                                                   {"MenuBarText", t.MenuBarText},
                                                   {"TitleTextActive", t.TitleText},
                                                   {"TitleTextNoActive", t.TitleTextInactive}};
    for (const auto& [key, c] : colours) ini.Key(key, TripletOf(c));

    // Extra colours the application may pick up: accent, its dark and light tones, the title.
    const Rgb extras[] = {t.Accent, Darken(t.Accent, 0.3), Lighten(t.Accent, 0.6), t.TitleBottom};
    for (int i = 0; i < 4; ++i) {
        ini.Section("Colour" + std::to_string(i));
        ini.Key("color", TripletOf(extras[i]));
    }
    ini.Section("Customcolors");
    const Rgb custom[] = {
        t.Face,        t.Text, t.Accent, Lighten(t.Accent, 0.4), Darken(t.Accent, 0.3), t.Shadow, t.TitleTop,
        t.TitleBottom, t.Menu, t.Field};
    for (int i = 0; i < 10; ++i) ini.Key("Color" + std::to_string(i), TripletOf(custom[i]));
}

}  // namespace

TSkinFiles BuildSkin(const TTheme& theme) {
    TSkinFiles out;
    out.Ini.Section("TitlebarSkin");
    out.Ini.Key("SkinName", theme.Name);
    out.Ini.Key("Author", "Tarnwick");
    BuildFrame(theme, out);
    BuildColours(theme, out.Ini);
    BuildButtons(theme, out);
    BuildScrollbars(theme, out);
    BuildRanges(theme, out);
    BuildPanels(theme, out);
    return out;
}

}  // namespace tw::skingen
