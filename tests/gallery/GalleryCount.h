// The gallery's count runs: this process's GDI and USER objects counted after a warm-up and
// again after many skin switches or open-dialog rounds, for leak checks under Wine.
#pragma once

#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TApplication;
}

namespace tw::gallery {

class TFrmGallery;

// Shows the form, waits for it to be skinned, runs options.Count and prints both counts by type
// on the standard output. Answers the exit code: 0 when the counts are equal, kExitCountsDiffer
// when not, kExitCannotCount when nothing can be counted here or a round got stuck.
int RunObjectCount(TApplication& app, TFrmGallery& form, const TGalleryOptions& options);

}  // namespace tw::gallery
