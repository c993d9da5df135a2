#include "tests/gallery/GalleryMenuCount.h"

#include <windows.h>

#include <string>

#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/manage/SkinManage.h"
#include "tests/gallery/GalleryCount.h"
#include "tests/gallery/GalleryFormMenu.h"

namespace tw::gallery {

namespace {

constexpr DWORD kStepTimeout = 20000;
constexpr UINT kCloserInterval = 20;
constexpr int kWarmUpRounds = 2;
constexpr int kContextMenu = -1;  // what OpenIndex answers while no bar menu is open

struct TPopupScan {
    HWND Top = nullptr;
    int Visible = 0;
};

BOOL CALLBACK ScanPopup(HWND window, LPARAM scan) {
    wchar_t name[16] = {};
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && std::wstring(name) == L"#32768") {
        auto* found = reinterpret_cast<TPopupScan*>(scan);
        if (!found->Top) found->Top = window;
        ++found->Visible;
    }
    return TRUE;
}

// Walks the open menus from a thread timer, whose messages the menu loop dispatches: once the
// popup of the menu it waits for is up and skinned, it moves on with Right (to the bar's next
// menu) or ends the menu. One walker runs at a time.
class TMenuWalker {
public:
    TMenuWalker() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, kCloserInterval, &TMenuWalker::Tick);
    }
    ~TMenuWalker() {
        if (timer_) KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    TMenuWalker(const TMenuWalker&) = delete;
    TMenuWalker& operator=(const TMenuWalker&) = delete;

    bool Running() const { return timer_ != 0; }
    // Waits for bar menu `from` and walks right to `last`; kContextMenu for the context menu.
    void Arm(int from, int last) {
        expected_ = from;
        last_ = last;
        armed_ = true;
        seenSkinned_ = 0;
        stuck_ = false;
        since_ = GetTickCount();
    }
    bool Finished() const { return !armed_ && !stuck_; }
    int Openings() const { return openings_; }
    // The most popups seen open at once.
    int MostOpen() const { return mostOpen_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current_) current_->Check();
    }
    void Check() {
        if (!armed_) return;
        TPopupScan scan;
        EnumThreadWindows(GetCurrentThreadId(), &ScanPopup, reinterpret_cast<LPARAM>(&scan));
        if (scan.Visible > mostOpen_) mostOpen_ = scan.Visible;
        const bool late = GetTickCount() - since_ > kStepTimeout;
        if (late) {
            armed_ = false;
            stuck_ = true;
            EndMenu();
            return;
        }
        if (!scan.Top || TWinSkinMenu::OpenIndex() != expected_) return;
        // Skinned on two ticks running: the popup has been painted by its skinner.
        seenSkinned_ = Skinned(scan.Top) ? seenSkinned_ + 1 : 0;
        if (seenSkinned_ < 2) return;
        ++openings_;
        seenSkinned_ = 0;
        if (expected_ != kContextMenu && expected_ < last_) {
            ++expected_;
            PostMessageW(scan.Top, WM_KEYDOWN, VK_RIGHT, 0);
            return;
        }
        armed_ = false;
        EndMenu();
    }

    static TMenuWalker* current_;
    UINT_PTR timer_ = 0;
    bool armed_ = false;
    bool stuck_ = false;
    int expected_ = 0, last_ = 0;
    int seenSkinned_ = 0;
    int openings_ = 0;
    int mostOpen_ = 0;
    DWORD since_ = 0;
};
TMenuWalker* TMenuWalker::current_ = nullptr;

class TMenuCountRunner {
public:
    TMenuCountRunner(TApplication& app, TFrmGalleryMenu& form, const TGalleryOptions& options)
        : app_(app), form_(form), options_(options) {}

    int Run() {
        test::TGuiObjectCount probe;
        if (!test::CountGuiObjects(probe)) return Fail("this process's GDI objects cannot be counted here");
        form_.Show();
        if (!PumpUntil(
                app_, [this] { return Skinned(form_.Handle()) && Settled(); }, kStepTimeout))
            return Fail("the menu form was not skinned");
        for (int i = 0; i < kWarmUpRounds; ++i)
            if (!Round()) return Fail("the warm-up got stuck");

        test::TGuiObjectCount before, after;
        Settle();
        test::CountGuiObjects(before);
        const int openedBefore = walker_.Openings();
        for (int round = 1; round <= options_.CountRounds; ++round)
            if (!Round()) return Fail("round " + std::to_string(round) + " got stuck");
        Settle();
        test::CountGuiObjects(after);

        const std::string what = std::to_string(walker_.Openings() - openedBefore) + " menu openings";
        Print("before " + what + ": " + Describe(before) + "\n");
        Print("after " + what + ":  " + Describe(after) + "\n");
        if (walker_.MostOpen() > 1) {
            Print("menus: " + std::to_string(walker_.MostOpen()) + " popups were open at once\n");
            return kExitCountsDiffer;
        }
        const std::string differences = Differences(before, after);
        if (!differences.empty()) {
            Print("counts differ:" + differences + "\n");
            return kExitCountsDiffer;
        }
        Print("counts equal\n");
        return 0;
    }

private:
    int Fail(const std::string& why) {
        Print("count run: " + why + "\n");
        return kExitCannotCount;
    }

    static bool Settled() {
        TSkinManage* manager = SkinManager();
        return manager && !manager->Timer().Enabled();
    }

    void Settle() {
        RepaintAll(form_.Handle());
        PumpUntil(app_, &Settled, kStepTimeout);
        app_.ProcessMessages();
    }

    // The bar's menus from the first to the last, then the context menu from the keyboard.
    bool Round() {
        if (!walker_.Running()) return false;
        // The disabled menu at the bar's end is passed over.
        int barMenus = 0;
        for (int i = 0; i < form_.MainMenu1->Items().Count(); ++i)
            if (form_.MainMenu1->Items().Items(i).Enabled()) ++barMenus;
        walker_.Arm(0, barMenus - 1);
        // Alt and nothing else: the first menu of the bar.
        SendMessageW(form_.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        if (!walker_.Finished()) return false;
        walker_.Arm(kContextMenu, kContextMenu);
        SendMessageW(form_.pnlContext->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form_.pnlContext->Handle()),
                     -1);
        if (!walker_.Finished()) return false;
        app_.ProcessMessages();
        return true;
    }

    TApplication& app_;
    TFrmGalleryMenu& form_;
    const TGalleryOptions& options_;
    TMenuWalker walker_;
};

}  // namespace

int RunMenuCount(TApplication& app, TFrmGalleryMenu& form, const TGalleryOptions& options) {
    try {
        TMenuCountRunner runner(app, form, options);
        return runner.Run();
    } catch (const std::exception& error) {
        Print(std::string("count run: ") + error.what() + "\n");
        return kExitCannotCount;
    }
}

}  // namespace tw::gallery
