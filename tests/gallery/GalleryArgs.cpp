#include "tests/gallery/GalleryArgs.h"

#include <climits>

namespace tw::gallery {

namespace {

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Digits only, saturating at INT_MAX.
int SaturatedNumber(const std::string& digits) {
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

TGalleryArgs Refuse(std::string why) {
    TGalleryArgs result;
    result.Error = std::move(why);
    return result;
}

}  // namespace

TGalleryArgs ParseGalleryArgs(const std::vector<std::string>& args) {
    TGalleryArgs result;
    bool haveSkin = false, haveOff = false, havePage = false, haveForm = false;
    std::string countName;  // the count option given, if any
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            inlineValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (inlineValue) return true;
            // The next option is no value: "--skin --off" lacks its skin.
            if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) return false;
            value = args[++i];
            return true;
        };
        auto once = [&](bool& seen) -> bool {
            if (seen) return false;
            seen = true;
            return true;
        };
        if (name == "--skin") {
            if (!once(haveSkin)) return Refuse("--skin is given twice");
            if (!takeValue()) return Refuse("--skin needs a skin number (0 to 4) or a .skn file");
            if (value.empty()) return Refuse("--skin is given an empty value");
            if (AllDigits(value)) {
                const int index = SaturatedNumber(value);
                if (index >= kBuiltInSkinCount) return Refuse("no built-in skin " + value + " (0 to 4)");
                result.Options.Skin.Index = index;
            } else if (value[0] == '-' && AllDigits(value.substr(1))) {
                return Refuse("no built-in skin " + value + " (0 to 4)");
            } else {
                result.Options.Skin.Path = value;
            }
        } else if (name == "--off") {
            if (inlineValue) return Refuse("--off takes no value");
            if (!once(haveOff)) return Refuse("--off is given twice");
            result.Options.SkinningOn = false;
        } else if (name == "--page") {
            if (!once(havePage)) return Refuse("--page is given twice");
            if (!takeValue()) return Refuse("--page needs a page number");
            const int page = AllDigits(value) ? SaturatedNumber(value) : 0;
            if (page < 1) return Refuse("--page needs a page number from 1, not \"" + value + "\"");
            result.Options.Page = page;
        } else if (name == "--form") {
            if (!once(haveForm)) return Refuse("--form is given twice");
            if (!takeValue()) return Refuse("--form needs a form name (menu)");
            if (value != "menu") return Refuse("no form \"" + value + "\" (menu)");
            result.Options.Form = TGalleryForm::gfMenu;
        } else if (name == "--count-switches" || name == "--count-open-dialog" || name == "--count-menus") {
            if (!countName.empty())
                return Refuse(countName == name ? name + " is given twice" : name + " and " + countName + " together");
            countName = name;
            if (!takeValue()) return Refuse(name + " needs a number of rounds");
            const int rounds = AllDigits(value) ? SaturatedNumber(value) : 0;
            if (rounds < 1) return Refuse(name + " needs a number of rounds from 1, not \"" + value + "\"");
            result.Options.Count = name == "--count-switches"      ? TCountRun::crSkinSwitches
                                   : name == "--count-open-dialog" ? TCountRun::crOpenDialog
                                                                   : TCountRun::crMenus;
            result.Options.CountRounds = rounds;
        } else {
            return Refuse("unknown argument \"" + args[i] + "\"");
        }
    }
    // Nothing is skinned with skinning off: the skinned dialog the run waits for never comes.
    if (!countName.empty() && haveOff) return Refuse(countName + " needs skinning on: drop --off");
    if (result.Options.Count == TCountRun::crMenus) result.Options.Form = TGalleryForm::gfMenu;
    const bool onPages = havePage || (!countName.empty() && result.Options.Count != TCountRun::crMenus);
    if (result.Options.Form == TGalleryForm::gfMenu && onPages)
        return Refuse((havePage ? std::string("--page") : countName) + " belongs to the pages, not the menu form");
    result.Ok = true;
    return result;
}

}  // namespace tw::gallery
