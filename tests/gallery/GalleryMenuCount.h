// The menu form's count run: this process's GDI and USER objects counted after a warm-up and again
// after many rounds that open each of the bar's menus in turn and then the context menu.
#pragma once

#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TApplication;
}

namespace tw::gallery {

class TFrmGalleryMenu;

// Shows the form, waits for it to be skinned, runs options.CountRounds rounds and prints both
// counts by type on the standard output. Every popup must be skinned before it is closed, and no
// two may be open at once. Answers 0 when the counts are equal, kExitCountsDiffer when not,
// kExitCannotCount when nothing can be counted here or a round got stuck.
int RunMenuCount(TApplication& app, TFrmGalleryMenu& form, const TGalleryOptions& options);

}  // namespace tw::gallery
