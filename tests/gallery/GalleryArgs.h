// The skin gallery's command line: which skin to start with, whether skinning is on, which page.
#pragma once

#include <string>
#include <vector>

namespace tw::gallery {

// Exit codes of the gallery besides 0 (closed normally) and 1 (an error box was shown).
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitNoSuchPage = 3;

inline constexpr int kBuiltInSkinCount = 5;
inline constexpr int kDefaultSkinIndex = 2;

// A skin to show: a built-in store item, or a package file when Path is not empty.
struct TSkinChoice {
    int Index = kDefaultSkinIndex;
    std::string Path;  // UTF-8
    bool IsFile() const { return !Path.empty(); }
};

struct TGalleryOptions {
    TSkinChoice Skin;
    bool SkinningOn = true;
    int Page = 1;  // from 1; may lie past the last page, which the caller refuses
};

struct TGalleryArgs {
    bool Ok = false;
    TGalleryOptions Options;
    std::string Error;  // what was wrong, for the console, when not Ok
};

// Reads `[--skin 0..4|PATH] [--off] [--page N]` (each at most once; "--name=value" is read as
// "--name value"). A --skin value made of digits is an item number and must be below the
// number of built-in skins; anything else is a path. A page is a positive decimal number; one
// too large for an int counts as the largest int, which no gallery has so many pages for.
TGalleryArgs ParseGalleryArgs(const std::vector<std::string>& args);

}  // namespace tw::gallery
