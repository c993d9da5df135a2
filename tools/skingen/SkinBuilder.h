// BuildSkin: paints every image of a skin from its design and writes the INI that names them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/skingen/Image.h"
#include "tools/skingen/IniText.h"
#include "tools/skingen/Theme.h"

namespace tw::skingen {

// The name of the INI member of every generated skin.
inline constexpr const char* kSkinIniName = "skin.ini";

struct TSkinFiles {
    TIniText Ini;
    // Bitmap members in the order they were made; names are lower case and end in ".bmp".
    std::vector<std::pair<std::string, TImage>> Images;

    // Adds an image under a new name and answers the name (for the INI value).
    std::string AddImage(const std::string& name, TImage image);
    // The archive members: the INI first, then the bitmap files.
    std::vector<std::pair<std::string, std::vector<uint8_t>>> Members() const;
};

TSkinFiles BuildSkin(const TTheme& theme);

}  // namespace tw::skingen
