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
class TForm;
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

// A skin switch, a dialog or a menu that takes longer than this is stuck, not slow.
inline constexpr DWORD kCountStepTimeout = 20000;

// What one count run does of its own; RunCount does the rest the same way for every run.
class TCountRounds {
public:
    virtual ~TCountRounds() = default;
    // What the form is called in a failure ("the gallery").
    virtual std::string FormName() const = 0;
    virtual bool WarmUp() = 0;
    // Round 1, 2, ...: false when it got stuck.
    virtual bool Round(int round) = 0;
    // After the last round, before the second count: false when it got stuck.
    virtual bool Finish() { return true; }
    // Brings the form to the one state both counts are taken in.
    virtual void Paint() = 0;
    // The rounds as the report names them ("200 skin switches"), once they have run.
    virtual std::string What() const = 0;
    // A check of the run's own after the counts: prints why and answers false when it fails.
    virtual bool OwnCheck() { return true; }
};

// Shows the form, waits until it is skinned and the skin manager is idle, warms up, counts,
// runs `rounds` rounds, counts again and reports as ReportCounts does (kExitCountsDiffer also
// when OwnCheck fails). A failure or an exception is printed as "count run: why" and answers
// kExitCannotCount.
int RunCount(TApplication& app, TForm& form, TCountRounds& run, int rounds);

// A thread timer that calls Check while it lives: its messages come through the modal loop (a
// dialog's, a menu's) that a round runs in. One runs at a time.
class TRoundTimer {
public:
    TRoundTimer(const TRoundTimer&) = delete;
    TRoundTimer& operator=(const TRoundTimer&) = delete;
    bool Running() const { return timer_ != 0; }

protected:
    TRoundTimer();
    virtual ~TRoundTimer();
    virtual void Check() = 0;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static TRoundTimer* current_;
    UINT_PTR timer_ = 0;
};

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
