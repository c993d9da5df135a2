// The skin gallery's command line: which skin to start with, whether skinning is on, which page,
// and the object-count runs that check nothing leaks.
#pragma once

#include <string>
#include <vector>

namespace tw::gallery {

// Exit codes of the gallery besides 0 (closed normally, or a count run found the counts equal)
// and 1 (an error box was shown, or a count run found them different).
inline constexpr int kExitCountsDiffer = 1;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitNoSuchPage = 3;
inline constexpr int kExitCannotCount = 4;  // no object table to read, or the run got stuck

inline constexpr int kBuiltInSkinCount = 5;
inline constexpr int kDefaultSkinIndex = 2;

// A skin to show: a built-in store item, or a package file when Path is not empty.
struct TSkinChoice {
    int Index = kDefaultSkinIndex;
    std::string Path;  // UTF-8
    bool IsFile() const { return !Path.empty(); }
};

// A run that counts this process's GDI and USER objects before and after many rounds of one
// action, instead of waiting for the user.
enum class TCountRun {
    crNone,
    crSkinSwitches,  // a round: a switch to the next built-in skin
    crOpenDialog,    // a round: the skinned open dialog shown and closed
    crMdiChildren,   // a round: a child of the MDI form made, skinned and closed
    crMenus,         // a round: each of the menu form's bar menus and its context menu opened and closed
};

// The form the gallery opens with.
enum class TGalleryForm {
    gfPages,  // the pages of controls
    gfMenu,   // a main menu and context menus
    gfMdi,    // an MDI frame with its children
};

struct TGalleryOptions {
    TSkinChoice Skin;
    bool SkinningOn = true;
    int Page = 1;  // from 1; may lie past the last page, which the caller refuses
    TCountRun Count = TCountRun::crNone;
    int CountRounds = 0;  // positive when Count is a run
    TGalleryForm Form = TGalleryForm::gfPages;
};

struct TGalleryArgs {
    bool Ok = false;
    TGalleryOptions Options;
    std::string Error;  // what was wrong, for the console, when not Ok
};

// Reads `[--skin 0..4|PATH] [--off] [--page N] [--form menu|mdi]
// [--count-switches N | --count-open-dialog N | --count-menus N | --count-mdi N]` (each at most
// once; "--name=value" is read as "--name value"); a count run needs skinning on. --count-menus
// runs on the menu form and --count-mdi on the MDI form (each implies its form), the other two
// on the pages, which --page belongs to.
// A --skin value made of digits is an item number and must be below the number of built-in
// skins; anything else is a path. A page or a number of rounds is a positive decimal number;
// one too large for an int counts as the largest int. --count-mdi opens the MDI form.
TGalleryArgs ParseGalleryArgs(const std::vector<std::string>& args);

}  // namespace tw::gallery
