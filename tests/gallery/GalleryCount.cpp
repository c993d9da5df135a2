#include "tests/gallery/GalleryCount.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"
#include "tests/support/GuiObjectCount.h"

namespace tw::gallery {

namespace {

using test::TGuiObjectCount;

constexpr UINT kRoundTimerInterval = 20;
constexpr int kWarmUpDialogRounds = 2;

constexpr const char* kTypeNames[OBJ_COLORSPACE + 1] = {"",        "pen",    "brush",     "dc",          "metadc",
                                                        "palette", "font",   "bitmap",    "region",      "metafile",
                                                        "memdc",   "extpen", "enhmetadc", "enhmetafile", "colorspace"};

}  // namespace

void Print(const std::string& text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (!out || out == INVALID_HANDLE_VALUE ||
        !WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        OutputDebugStringW(WideFromUtf8(text).c_str());
}

namespace {
// Every figure of a count under one name, in one order, for printing and comparing.
template <class Visit>
void ForEachFigure(const TGuiObjectCount& count, Visit visit) {
    for (int type = OBJ_PEN; type <= OBJ_COLORSPACE; ++type) visit(kTypeNames[type], count.ByType[type]);
    visit("windows", count.Windows);
    visit("menus", count.Menus);
    visit("icons", count.Icons);
}
}  // namespace

std::string Describe(const TGuiObjectCount& count) {
    std::string line = "gdi=" + std::to_string(count.Gdi());
    ForEachFigure(
        count, [&line](const char* name, int value) { line += " " + std::string(name) + "=" + std::to_string(value); });
    return line;
}

// The figures that differ, as "name before->after", or empty.
std::string Differences(const TGuiObjectCount& before, const TGuiObjectCount& after) {
    std::vector<int> first;
    ForEachFigure(before, [&first](const char*, int value) { first.push_back(value); });
    std::string result;
    size_t i = 0;
    ForEachFigure(after, [&](const char* name, int value) {
        if (first[i] != value)
            result += " " + std::string(name) + " " + std::to_string(first[i]) + "->" + std::to_string(value);
        ++i;
    });
    return result;
}

bool Skinned(HWND window) { return window && SendMessageW(window, SKM_QUERY, 0, 0) == 1; }

// The window and every control on it painted now, frame included.
void RepaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool PumpUntil(TApplication& app, const std::function<bool()>& done, DWORD timeout) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeout) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        if (!app.ProcessMessages()) return false;
    }
    return true;
}

int ReportCounts(const std::string& what, const TGuiObjectCount& before, const TGuiObjectCount& after) {
    Print("before " + what + ": " + Describe(before) + "\n");
    Print("after " + what + ":  " + Describe(after) + "\n");
    const std::string differences = Differences(before, after);
    if (!differences.empty()) {
        Print("counts differ:" + differences + "\n");
        return kExitCountsDiffer;
    }
    Print("counts equal\n");
    return 0;
}

namespace {

int CountFailed(const std::string& why) {
    Print("count run: " + why + "\n");
    return kExitCannotCount;
}

// No action of the manager's is waiting for its timer.
bool ManagerIdle() {
    TSkinManage* manager = SkinManager();
    return manager && !manager->Timer().Enabled();
}

// The form painted in the state the counts are taken in, and the manager's queue empty.
void Settle(TApplication& app, TCountRounds& run) {
    run.Paint();
    PumpUntil(app, &ManagerIdle, kCountStepTimeout);
    app.ProcessMessages();
}

int CountRounds(TApplication& app, TForm& form, TCountRounds& run, int rounds) {
    TGuiObjectCount probe;
    if (!test::CountGuiObjects(probe)) return CountFailed("this process's GDI objects cannot be counted here");
    form.Show();
    if (!PumpUntil(
            app, [&form] { return Skinned(form.Handle()) && ManagerIdle(); }, kCountStepTimeout))
        return CountFailed(run.FormName() + " was not skinned");
    if (!run.WarmUp()) return CountFailed("the warm-up got stuck");

    TGuiObjectCount before, after;
    Settle(app, run);
    test::CountGuiObjects(before);
    for (int round = 1; round <= rounds; ++round)
        if (!run.Round(round))
            return CountFailed("round " + std::to_string(round) + " of " + std::to_string(rounds) + " got stuck");
    if (!run.Finish()) return CountFailed("the last round's end got stuck");
    Settle(app, run);
    test::CountGuiObjects(after);

    const int code = ReportCounts(run.What(), before, after);
    return run.OwnCheck() ? code : kExitCountsDiffer;
}

}  // namespace

int RunCount(TApplication& app, TForm& form, TCountRounds& run, int rounds) {
    try {
        return CountRounds(app, form, run, rounds);
    } catch (const std::exception& error) {
        return CountFailed(error.what());
    }
}

TRoundTimer* TRoundTimer::current_ = nullptr;

TRoundTimer::TRoundTimer() {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, kRoundTimerInterval, &TRoundTimer::Tick);
}

TRoundTimer::~TRoundTimer() {
    if (timer_) KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void CALLBACK TRoundTimer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_->Check();
}

namespace {

// Closes the gallery's open dialog from a thread timer once the dialog is up and skinned: the
// timer's messages come through the dialog's own modal loop.
class TDialogCloser : public TRoundTimer {
public:
    // Starts watching for the next dialog.
    void Arm() {
        armed_ = true;
        seenSkinned_ = 0;
        closed_ = stuck_ = false;
        since_ = GetTickCount();
    }
    bool Closed() const { return closed_; }
    bool Stuck() const { return stuck_; }

private:
    static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && std::wstring(name) == L"#32770") {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    void Check() override {
        if (!armed_) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &TDialogCloser::FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        const bool late = GetTickCount() - since_ > kCountStepTimeout;
        // Skinned on two ticks running: the activation posted after attaching has been handled.
        seenSkinned_ = Skinned(dialog) ? seenSkinned_ + 1 : 0;
        if (seenSkinned_ < 2 && !late) return;
        RepaintAll(dialog);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        armed_ = false;
        closed_ = !late;
        stuck_ = late;
    }

    bool armed_ = false;
    int seenSkinned_ = 0;
    bool closed_ = false;
    bool stuck_ = false;
    DWORD since_ = 0;
};

// The skin switches or the open-dialog rounds.
class TGalleryRounds : public TCountRounds {
public:
    TGalleryRounds(TApplication& app, TFrmGallery& form, const TGalleryOptions& options)
        : app_(app),
          form_(form),
          switches_(options.Count == TCountRun::crSkinSwitches),
          rounds_(options.CountRounds),
          skin_(options.Skin.IsFile() ? 0 : options.Skin.Index) {}

    std::string FormName() const override { return "the gallery"; }
    std::string What() const override {
        return std::to_string(rounds_) + (switches_ ? " skin switches" : " open dialog rounds");
    }
    bool WarmUp() override { return switches_ ? WarmUpSwitches() : WarmUpDialog(); }
    bool Round(int round) override {
        return switches_ ? SwitchTo((skin_ + 1) % kBuiltInSkinCount, round) : DialogRound();
    }
    // Back to the skin the first count was taken with.
    bool Finish() override { return !switches_ || skin_ == startSkin_ || SwitchTo(startSkin_, 0); }

    // Every page shown and painted, the first one last: the same state for both counts.
    void Paint() override {
        for (int page = GalleryPageCount(); page >= 1; --page) {
            form_.ShowPage(page);
            RepaintAll(form_.Handle());
        }
    }

private:
    // Switches to a built-in skin through the gallery's own path, on the page the round number
    // picks (so every page's controls are skinned again), and waits for the manager to finish.
    bool SwitchTo(int index, int round) {
        form_.ShowPage(round % GalleryPageCount() + 1);
        bool changed = false;
        form_.SkinData1->OnSkinChanged = [&changed](TObject*) { changed = true; };
        TSkinChoice choice;
        choice.Index = index;
        form_.ApplySkin(choice, true);
        const bool done = PumpUntil(
            app_, [&changed] { return changed; }, kCountStepTimeout);
        form_.SkinData1->OnSkinChanged = nullptr;
        skin_ = index;
        RepaintAll(form_.Handle());
        return done;
    }

    // Once through every built-in skin, back to the first: every skin's objects made once.
    bool WarmUpSwitches() {
        startSkin_ = skin_;
        for (int step = 1; step <= kBuiltInSkinCount; ++step)
            if (!SwitchTo((startSkin_ + step) % kBuiltInSkinCount, step)) return false;
        return true;
    }

    bool DialogRound() {
        if (!closer_.Running()) return false;
        closer_.Arm();
        form_.ShowSampleOpenDialog();
        return closer_.Closed();
    }

    bool WarmUpDialog() {
        for (int i = 0; i < kWarmUpDialogRounds; ++i)
            if (!DialogRound()) return false;
        return true;
    }

    TApplication& app_;
    TFrmGallery& form_;
    const bool switches_;
    const int rounds_;
    int skin_;
    int startSkin_ = 0;
    TDialogCloser closer_;
};

}  // namespace

int RunObjectCount(TApplication& app, TFrmGallery& form, const TGalleryOptions& options) {
    TGalleryRounds rounds(app, form, options);
    return RunCount(app, form, rounds, options.CountRounds);
}

}  // namespace tw::gallery
