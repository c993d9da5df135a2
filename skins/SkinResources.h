// Resource names under which Windows builds embed the five built-in skin packages (RCDATA).
#pragma once

namespace tw {

// RT_RCDATA; kept here as a number so portable code can name it without windows.h.
inline constexpr int kSkinResourceType = 10;

inline constexpr int kSkinPackageCount = 5;

// "SKINITEM0".."SKINITEM4" hold the packages of the skin store items "SkinItem0".."SkinItem4".
inline constexpr const wchar_t* kSkinResourceNames[kSkinPackageCount] = {L"SKINITEM0", L"SKINITEM1", L"SKINITEM2",
                                                                         L"SKINITEM3", L"SKINITEM4"};

// The names the skins give themselves (the "Name" of each design), in store order: what the
// program's skin menu lists.
inline constexpr const wchar_t* kSkinDisplayNames[kSkinPackageCount] = {L"Linen Classic", L"Graphite", L"Azure Glass",
                                                                        L"Walnut", L"Slate Flat"};

// The store item loaded at start-up.
inline constexpr int kStartupSkinIndex = 2;

}  // namespace tw
