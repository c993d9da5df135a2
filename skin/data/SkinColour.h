// Reading colour texts of a skin description ("212,208,200", "212 208 200").
#pragma once

#include <string>

#include "skin/data/Bitmap.h"

namespace tw {

// Numbers separated by any non-digit give red, green and blue (each modulo 256); see the
// definition for how a text cut short is read. An empty text gives def.
TColor ParseColour(const std::string& text, TColor def);

}  // namespace tw
