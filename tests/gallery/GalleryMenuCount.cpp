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
// menu) or ends the menu.
class TMenuWalker : public TRoundTimer {
public:
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
    void Check() override {
        if (!armed_) return;
        TPopupScan scan;
        EnumThreadWindows(GetCurrentThreadId(), &ScanPopup, reinterpret_cast<LPARAM>(&scan));
        if (scan.Visible > mostOpen_) mostOpen_ = scan.Visible;
        const bool late = GetTickCount() - since_ > kCountStepTimeout;
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

    bool armed_ = false;
    bool stuck_ = false;
    int expected_ = 0, last_ = 0;
    int seenSkinned_ = 0;
    int openings_ = 0;
    int mostOpen_ = 0;
    DWORD since_ = 0;
};

// Rounds that open each of the bar's menus and then the context menu.
class TMenuRounds : public TCountRounds {
public:
    TMenuRounds(TApplication& app, TFrmGalleryMenu& form) : app_(app), form_(form) {}

    std::string FormName() const override { return "the menu form"; }
    std::string What() const override { return std::to_string(walker_.Openings() - openedBefore_) + " menu openings"; }
    bool WarmUp() override {
        for (int i = 0; i < kWarmUpRounds; ++i)
            if (!OpenEveryMenu()) return false;
        return true;
    }
    bool Round(int round) override {
        if (round == 1) openedBefore_ = walker_.Openings();
        return OpenEveryMenu();
    }
    void Paint() override { RepaintAll(form_.Handle()); }
    bool OwnCheck() override {
        if (walker_.MostOpen() <= 1) return true;
        Print("menus: " + std::to_string(walker_.MostOpen()) + " popups were open at once\n");
        return false;
    }

private:
    // The bar's menus from the first to the last, then the context menu from the keyboard.
    bool OpenEveryMenu() {
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
    TMenuWalker walker_;
    int openedBefore_ = 0;
};

}  // namespace

int RunMenuCount(TApplication& app, TFrmGalleryMenu& form, const TGalleryOptions& options) {
    TMenuRounds rounds(app, form);
    return RunCount(app, form, rounds, options.CountRounds);
}

}  // namespace tw::gallery
