// The gallery's count runs: this process's GDI and USER objects counted after a warm-up and
// again after many skin switches or open-dialog rounds, for leak checks under Wine.
#pragma once

#include <functional>
#include <string>

#include "tests/gallery/GalleryArgs.h"

namespace tw {
class TApplication;
namespace test {
struct TGuiObjectCount;
}
}  // namespace tw

namespace tw::gallery {

class TFrmGallery;

// Shows the form, waits for it to be skinned, runs options.Count and prints both counts by type
// on the standard output. Answers the exit code: 0 when the counts are equal, kExitCountsDiffer
// when not, kExitCannotCount when nothing can be counted here or a round got stuck.
int RunObjectCount(TApplication& app, TFrmGallery& form, const TGalleryOptions& options);

// What the count runs share.
// Prints a line on the standard output (or to the debugger when there is none).
void PrintCountLine(const std::string& text);
// Lets the program work until done() holds; false when the time is up or the program ends.
bool PumpUntil(TApplication& app, const std::function<bool()>& done, unsigned long timeout);
// Prints both counts of the rounds described by `what` and their differences; answers 0 when
// they are equal, kExitCountsDiffer when not.
int ReportCounts(const std::string& what, const test::TGuiObjectCount& before, const test::TGuiObjectCount& after);

}  // namespace tw::gallery
