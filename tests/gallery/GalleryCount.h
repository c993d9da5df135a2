// The gallery's count runs: this process's GDI and USER objects counted after a warm-up and
// again after many skin switches or open-dialog rounds, for leak checks under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/gallery/GalleryArgs.h"
#include "tests/support/GuiObjectCount.h"

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

// What the count runs share: a line on the standard output, a count as "gdi=N pen=N ...", the
// figures that differ as " name before->after" (empty when none), whether a window answers the
// skin query with 1, a repaint of a window with its frame and children, and the program's
// messages handled until done() holds (false when the time is up or the program ends).
void Print(const std::string& text);
std::string Describe(const test::TGuiObjectCount& count);
std::string Differences(const test::TGuiObjectCount& before, const test::TGuiObjectCount& after);
bool Skinned(HWND window);
void RepaintAll(HWND window);
bool PumpUntil(TApplication& app, const std::function<bool()>& done, DWORD timeout);
// Prints both counts of the rounds described by `what` and their differences; answers 0 when
// they are equal, kExitCountsDiffer when not.
int ReportCounts(const std::string& what, const test::TGuiObjectCount& before, const test::TGuiObjectCount& after);

}  // namespace tw::gallery
