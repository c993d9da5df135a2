// The contact sheet of a parsed skin: a preview of the main window, then every skin object's
// image with its frames numbered and its nine-slice margins marked, then the skin colours.
#pragma once

#include <string>

#include "skin/data/Bitmap.h"
#include "skin/data/SkinData.h"

namespace tw::contactsheet {

TBitmap RenderSheet(const TSkinData& skin, const std::string& title);

// The main window (538 x 433 client) drawn from the skin the way the skinners would.
TBitmap RenderPreview(const TSkinData& skin);

}  // namespace tw::contactsheet
