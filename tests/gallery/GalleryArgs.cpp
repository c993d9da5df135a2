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

std::string FormName(TGalleryForm form) {
    return form == TGalleryForm::gfMenu ? "menu" : form == TGalleryForm::gfMdi ? "mdi" : "pages";
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
            if (!takeValue()) return Refuse("--form needs a form name (menu or mdi)");
            if (value == "menu") result.Options.Form = TGalleryForm::gfMenu;
            else if (value == "mdi")
                result.Options.Form = TGalleryForm::gfMdi;
            else
                return Refuse("no form \"" + value + "\" (menu or mdi)");
        } else if (name == "--count-switches" || name == "--count-open-dialog" || name == "--count-menus" ||
                   name == "--count-mdi") {
            if (!countName.empty())
                return Refuse(countName == name ? name + " is given twice" : name + " and " + countName + " together");
            countName = name;
            if (!takeValue()) return Refuse(name + " needs a number of rounds");
            const int rounds = AllDigits(value) ? SaturatedNumber(value) : 0;
            if (rounds < 1) return Refuse(name + " needs a number of rounds from 1, not \"" + value + "\"");
            result.Options.Count = name == "--count-switches"      ? TCountRun::crSkinSwitches
                                   : name == "--count-open-dialog" ? TCountRun::crOpenDialog
                                   : name == "--count-menus"       ? TCountRun::crMenus
                                                                   : TCountRun::crMdiChildren;
            result.Options.CountRounds = rounds;
        } else {
            return Refuse("unknown argument \"" + args[i] + "\"");
        }
    }
    // Nothing is skinned with skinning off: the skinned dialog the run waits for never comes.
    if (!countName.empty() && haveOff) return Refuse(countName + " needs skinning on: drop --off");
    // The menus are counted on the menu form and the children on the MDI form, and only there.
    const TGalleryForm countForm = result.Options.Count == TCountRun::crMenus         ? TGalleryForm::gfMenu
                                   : result.Options.Count == TCountRun::crMdiChildren ? TGalleryForm::gfMdi
                                                                                      : TGalleryForm::gfPages;
    if (!countName.empty() && haveForm && result.Options.Form != countForm)
        return Refuse(countName +
                      (countForm == TGalleryForm::gfPages ? " belongs to the pages, not --form "
                                                          : " runs on its own form, not --form ") +
                      FormName(result.Options.Form));
    if (!countName.empty()) result.Options.Form = countForm;
    if (havePage && result.Options.Form != TGalleryForm::gfPages)
        return Refuse("--page belongs to the pages, not the " + FormName(result.Options.Form) + " form");
    result.Ok = true;
    return result;
}

}  // namespace tw::gallery
