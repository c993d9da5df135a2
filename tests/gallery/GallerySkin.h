// The gallery's one way to change its skin: a built-in store item or a package file, then
// skinning on or off; the command line and the skin chooser both go through it.
#pragma once

#include <string>

#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TSkinData;
class TSkinStore;
}  // namespace tw

namespace tw::gallery {

// The chooser's names of the built-in skins, in store order.
const wchar_t* BuiltInSkinLabel(int index);

struct TSkinLoadResult {
    bool Loaded = false;
    std::wstring Name;  // what the title shows: the skin's own name, and the file it came from
};

// Loads choice into data and then sets data active or not; Loaded false when the choice gave no
// skin: a file that cannot be read leaves the skin held before, one that is no package leaves none.
TSkinLoadResult LoadGallerySkin(TSkinData& data, TSkinStore& store, const TSkinChoice& choice, bool active);

}  // namespace tw::gallery
