// A control's PopupMenu on a real window: WM_CONTEXTMENU from the mouse opens it at the point, from
// the keyboard at the control's corner, and a child without a menu of its own gets its parent's;
// the chosen item's click runs once; a menu that goes is forgotten by the controls that held it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "framework/win/StdCtrls.h"
#include "tests/support/ApplicationTest.h"

namespace tw {
namespace {

class ContextMenuTest : public TApplicationTest {};

// Chooses the item with the letter R of any popup that opens on this thread, from a thread timer whose
// messages the menu loop dispatches, and keeps where the popup stood.
class TPopupChooser {
public:
    TPopupChooser() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &TPopupChooser::Tick);
    }
    ~TPopupChooser() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    int Seen() const { return seen_; }
    RECT LastRect() const { return rect_; }

private:
    static BOOL CALLBACK Find(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && std::wstring(name) == L"#32768") {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_) return;
        HWND popup = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &Find, reinterpret_cast<LPARAM>(&popup));
        if (!popup || popup == current_->last_) return;
        current_->last_ = popup;
        ++current_->seen_;
        GetWindowRect(popup, &current_->rect_);
        // The item's letter picks it whichever item the menu selected on opening (a menu opened
        // from the keyboard may start on its first item, so a Down would step past it).
        PostMessageW(popup, WM_CHAR, L'r', 0);
    }
    static inline TPopupChooser* current_ = nullptr;
    UINT_PTR timer_ = 0;
    HWND last_ = nullptr;
    int seen_ = 0;
    RECT rect_{};
};

TEST_F(ContextMenuTest, OpensWhereAskedRunsTheChoiceOnceAndForgetsAMenuThatGoes) {
    auto* form = new TForm(app_);
    form->SetBounds(100, 100, 400, 300);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(20, 20, 200, 150);
    auto* inner = new TButton(form);  // no menu of its own: the panel's shows
    inner->SetParent(panel);
    inner->SetBounds(10, 10, 80, 24);
    auto* menu = new TPopupMenu(form);
    int refreshed = 0, popups = 0;
    menu->Items().Add(L"&Refresh", [&](TMenuItem&) { ++refreshed; });
    menu->Items().Add(L"&Other");
    menu->OnPopup = [&](TPopupMenu&) { ++popups; };
    panel->SetPopupMenu(menu);
    form->Show();
    EXPECT_EQ(menu, panel->PopupMenu());
    EXPECT_EQ(nullptr, inner->PopupMenu());

    TPopupChooser chooser;
    const HWND panelWindow = panel->Handle();
    SendMessageW(panelWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panelWindow), MAKELPARAM(300, 250));
    EXPECT_EQ(1, chooser.Seen());
    EXPECT_EQ(1, refreshed);
    EXPECT_EQ(300, chooser.LastRect().left);
    EXPECT_EQ(250, chooser.LastRect().top);

    // From the keyboard: a little inside the control's top-left corner.
    SendMessageW(panelWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panelWindow), -1);
    POINT corner{0, 0};
    ClientToScreen(panelWindow, &corner);
    EXPECT_EQ(2, chooser.Seen());
    EXPECT_EQ(2, refreshed);
    EXPECT_NEAR(corner.x, chooser.LastRect().left, 8);
    EXPECT_NEAR(corner.y, chooser.LastRect().top, 8);

    // The child passes the message to its parent, as the system's procedures do.
    SendMessageW(inner->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(inner->Handle()), MAKELPARAM(320, 260));
    EXPECT_EQ(3, chooser.Seen());
    EXPECT_EQ(3, refreshed);
    EXPECT_EQ(3, popups);

    // A menu freed is no menu: nothing opens.
    delete menu;
    EXPECT_EQ(nullptr, panel->PopupMenu());
    SendMessageW(panelWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panelWindow), MAKELPARAM(300, 250));
    EXPECT_EQ(3, chooser.Seen());
    delete form;
}

}  // namespace
}  // namespace tw
