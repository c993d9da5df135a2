#include "tests/gallery/GalleryArgs.h"

#include <gtest/gtest.h>

#include <climits>

namespace tw::gallery {
namespace {

struct TArgsCase {
    std::vector<std::string> Args;
    bool Ok;
    int Index;
    std::string Path;
    bool On;
    int Page;
    std::string ErrorPart;  // a piece of the error text when refused
    TCountRun Count = TCountRun::crNone;
    int Rounds = 0;
    TGalleryForm Form = TGalleryForm::gfPages;
};

TArgsCase Accepted(std::vector<std::string> args, int index = kDefaultSkinIndex, std::string path = "", bool on = true,
                   int page = 1) {
    return {std::move(args), true, index, std::move(path), on, page, ""};
}
TArgsCase Counting(std::vector<std::string> args, TCountRun count, int rounds, int index = kDefaultSkinIndex,
                   int page = 1) {
    return {std::move(args), true, index, "", true, page, "", count, rounds};
}
TArgsCase OnForm(TArgsCase c, TGalleryForm form) {
    c.Form = form;
    return c;
}
TArgsCase OnMenuForm(std::vector<std::string> args, TCountRun count = TCountRun::crNone, int rounds = 0,
                     int index = kDefaultSkinIndex) {
    TArgsCase c{std::move(args), true, index, "", true, 1, "", count, rounds};
    c.Form = TGalleryForm::gfMenu;
    return c;
}
TArgsCase Refused(std::vector<std::string> args, std::string errorPart) {
    return {std::move(args), false, 0, "", true, 1, std::move(errorPart)};
}

TEST(GalleryArgsTest, Table) {
    const std::string chinese = "C:\\皮肤 文件\\蓝色 玻璃.skn";
    const TArgsCase cases[] = {
        Accepted({}),
        Accepted({"--skin", "0"}, 0),
        Accepted({"--skin", "4", "--off", "--page", "2"}, 4, "", false, 2),
        Accepted({"--page", "3", "--skin", "1"}, 1, "", true, 3),
        Accepted({"--skin=3"}, 3),
        Accepted({"--page=07"}, kDefaultSkinIndex, "", true, 7),
        Accepted({"--skin", "00"}, 0),
        // Paths: blanks and Chinese arrive as one UTF-8 argument and are kept byte for byte.
        Accepted({"--skin", chinese}, kDefaultSkinIndex, chinese),
        Accepted({"--skin", "Z:\\tmp\\a b.skn", "--off"}, kDefaultSkinIndex, "Z:\\tmp\\a b.skn", false),
        Accepted({"--skin", "./2"}, kDefaultSkinIndex, "./2"),
        Accepted({"--skin", "2.skn"}, kDefaultSkinIndex, "2.skn"),
        // A page past the last is the caller's to refuse; a huge one saturates instead of wrapping.
        Accepted({"--page", "99"}, kDefaultSkinIndex, "", true, 99),
        Accepted({"--page", "99999999999999999999"}, kDefaultSkinIndex, "", true, INT_MAX),
        // Item numbers out of range.
        Refused({"--skin", "5"}, "no built-in skin 5"),
        Refused({"--skin", "-1"}, "no built-in skin -1"),
        Refused({"--skin", "99999999999"}, "no built-in skin"),
        // Pages that are no page.
        Refused({"--page", "0"}, "from 1"),
        Refused({"--page", "-2"}, "page number"),
        Refused({"--page", "+2"}, "from 1"),
        Refused({"--page", "2x"}, "from 1"),
        Refused({"--page", ""}, "from 1"),
        // Missing values, at the end or followed by the next option.
        Refused({"--skin"}, "--skin needs"),
        Refused({"--page"}, "--page needs"),
        Refused({"--skin", "--off"}, "--skin needs"),
        Refused({"--page", "--skin", "1"}, "--page needs"),
        Refused({"--skin="}, "empty"),
        // Repeated options.
        Refused({"--skin", "1", "--skin", "2"}, "--skin is given twice"),
        Refused({"--off", "--off"}, "--off is given twice"),
        Refused({"--page", "1", "--page=1"}, "--page is given twice"),
        // Unknown words.
        Refused({"--of"}, "unknown argument \"--of\""),
        Refused({"--off=1"}, "no value"),
        Refused({"skin.skn"}, "unknown argument"),
        Refused({"-page", "1"}, "unknown argument \"-page\""),
        // Count runs: one of the two, a positive number of rounds, skinning on.
        Counting({"--count-switches", "200"}, TCountRun::crSkinSwitches, 200),
        Counting({"--count-open-dialog=100", "--skin", "4"}, TCountRun::crOpenDialog, 100, 4),
        Counting({"--page", "2", "--count-switches", "1"}, TCountRun::crSkinSwitches, 1, kDefaultSkinIndex, 2),
        Counting({"--count-switches", "99999999999"}, TCountRun::crSkinSwitches, INT_MAX),
        Refused({"--count-switches"}, "--count-switches needs a number of rounds"),
        Refused({"--count-open-dialog", "--skin", "1"}, "--count-open-dialog needs a number"),
        Refused({"--count-switches", "0"}, "from 1"),
        Refused({"--count-switches", "-5"}, "needs a number of rounds"),
        Refused({"--count-open-dialog", "ten"}, "from 1, not \"ten\""),
        Refused({"--count-switches", "5", "--count-switches=5"}, "--count-switches is given twice"),
        Refused({"--count-switches", "5", "--count-open-dialog", "5"}, "--count-open-dialog and --count-switches"),
        Refused({"--off", "--count-open-dialog", "3"}, "needs skinning on"),
        Refused({"--count-switches", "3", "--off"}, "needs skinning on"),
        Refused({"--count-switch", "3"}, "unknown argument \"--count-switch\""),
        // The MDI form, and its count run, which opens it whether asked or not.
        OnForm(Accepted({"--form", "mdi", "--skin", "3"}, 3), TGalleryForm::gfMdi),
        OnForm(Accepted({"--form=mdi", "--off"}, kDefaultSkinIndex, "", false), TGalleryForm::gfMdi),
        OnForm(Counting({"--count-mdi", "100"}, TCountRun::crMdiChildren, 100), TGalleryForm::gfMdi),
        OnForm(Counting({"--form", "mdi", "--count-mdi=7", "--skin", "1"}, TCountRun::crMdiChildren, 7, 1),
               TGalleryForm::gfMdi),
        Refused({"--count-mdi", "0"}, "from 1"),
        Refused({"--count-mdi", "5", "--off"}, "needs skinning on"),
        Refused({"--count-mdi", "5", "--count-switches", "5"}, "--count-switches and --count-mdi"),
        Refused({"--form", "mdi", "--count-switches", "5"}, "--count-switches belongs to the pages, not --form mdi"),
        // The menu form: named, or implied by its count run, which the pages' options do not go with.
        OnMenuForm({"--form", "menu"}),
        OnMenuForm({"--skin", "0", "--form=menu"}, TCountRun::crNone, 0, 0),
        OnMenuForm({"--count-menus", "50"}, TCountRun::crMenus, 50),
        OnMenuForm({"--form", "menu", "--count-menus=2", "--skin", "3"}, TCountRun::crMenus, 2, 3),
        Refused({"--form", "mdi2"}, "no form \"mdi2\""),
        Refused({"--form"}, "--form needs"),
        Refused({"--form", "menu", "--form", "menu"}, "--form is given twice"),
        Refused({"--form", "menu", "--page", "2"}, "--page belongs to the pages"),
        Refused({"--count-menus", "5", "--page", "2"}, "--page belongs to the pages"),
        Refused({"--form", "menu", "--count-switches", "5"}, "--count-switches belongs to the pages"),
        Refused({"--count-menus", "5", "--count-switches", "5"}, "--count-switches and --count-menus"),
        Refused({"--count-menus", "0"}, "from 1"),
        Refused({"--count-menus", "4", "--off"}, "needs skinning on"),
        Refused({"--form", "mdi", "--count-menus", "5"}, "runs on its own form, not --form mdi"),
        Refused({"--form", "mdi", "--page", "2"}, "--page belongs to the pages, not the mdi form"),
    };
    for (const TArgsCase& c : cases) {
        std::string shown;
        for (const auto& a : c.Args) shown += "[" + a + "]";
        SCOPED_TRACE(shown);
        const TGalleryArgs got = ParseGalleryArgs(c.Args);
        ASSERT_EQ(c.Ok, got.Ok) << got.Error;
        if (!c.Ok) {
            EXPECT_NE(std::string::npos, got.Error.find(c.ErrorPart)) << got.Error;
            continue;
        }
        EXPECT_EQ(c.Path, got.Options.Skin.Path);
        if (c.Path.empty()) {
            EXPECT_EQ(c.Index, got.Options.Skin.Index);
        }
        EXPECT_EQ(c.On, got.Options.SkinningOn);
        EXPECT_EQ(c.Page, got.Options.Page);
        EXPECT_EQ(c.Count, got.Options.Count);
        EXPECT_EQ(c.Rounds, got.Options.CountRounds);
        EXPECT_EQ(c.Form, got.Options.Form);
    }
}

}  // namespace
}  // namespace tw::gallery
