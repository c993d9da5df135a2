// Framework menus on a real window: the system menu built from the items (texts with their
// shortcuts, states, radio groups, submenus), commands running the item's click once, the bar
// following every change with CM_MENUCHANGED, popup lookup by handle, and no menu left behind
// over many rebuilds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

class MenusTest : public TApplicationTest {};

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}
UINT ItemState(HMENU menu, int position) { return GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION); }

TEST(ShortCutText, NamesModifiersAndKeys) {
    struct Case {
        TShortCut shortCut;
        const wchar_t* text;
    } cases[] = {{ShortCut('S', scCtrl), L"Ctrl+S"},
                 {ShortCut('S', scCtrl | scShift), L"Ctrl+Shift+S"},
                 {ShortCut(VK_F5, 0), L"F5"},
                 {ShortCut(VK_RETURN, scAlt), L"Alt+Enter"},
                 {ShortCut(VK_DELETE, 0), L"Del"},
                 {ShortCut('7', scCtrl), L"Ctrl+7"},
                 {0, L""},
                 {ShortCut(VK_LWIN, scCtrl), L""}};
    for (const Case& c : cases) EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.shortCut;
}

TEST_F(MenusTest, TheBarIsBuiltFromTheItemsAndCommandsRunTheirClicksOnce) {
    auto* form = new TForm(app_);
    auto* menu = new TMainMenu(form);
    int opened = 0, disabledRuns = 0, hiddenRuns = 0;
    TMenuItem& file = menu->Items().Add(L"&File");
    TMenuItem& open = file.Add(L"&Open", [&](TMenuItem&) { ++opened; });
    open.SetShortCut(ShortCut('O', scCtrl));
    file.AddSeparator();
    TMenuItem& recent = file.Add(L"&Recent");
    TMenuItem& first = recent.Add(L"first.avi");
    TMenuItem& view = menu->Items().Add(L"&View");
    TMenuItem& small = view.Add(L"&Small");
    TMenuItem& large = view.Add(L"&Large");
    small.SetRadioItem(true);
    large.SetRadioItem(true);
    small.SetChecked(true);
    TMenuItem& off = view.Add(L"&Off", [&](TMenuItem&) { ++disabledRuns; });
    off.SetEnabled(false);
    TMenuItem& hidden = view.Add(L"&Hidden", [&](TMenuItem&) { ++hiddenRuns; });
    hidden.SetVisible(false);

    int menuChanges = 0;
    TWndMethod saved = form->WindowProc;
    struct Counter {
        int* changes;
        TWndMethod* saved;
        void Handle(TMessage& m) {
            if (m.Msg == CM_MENUCHANGED) ++*changes;
            (*saved)(m);
        }
    } counter{&menuChanges, &saved};
    form->WindowProc = TWndMethod::Of<Counter, &Counter::Handle>(&counter);
    form->HandleNeeded();
    form->SetMainMenu(menu);
    EXPECT_EQ(menuChanges, 1);

    HMENU bar = GetMenu(form->Handle());
    ASSERT_EQ(bar, menu->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(ItemText(bar, 0), L"&File");
    HMENU filePopup = GetSubMenu(bar, 0);
    ASSERT_EQ(filePopup, file.Handle());
    EXPECT_EQ(ItemText(filePopup, 0), L"&Open\tCtrl+O");
    EXPECT_TRUE(ItemState(filePopup, 1) & MF_SEPARATOR);
    EXPECT_EQ(GetSubMenu(filePopup, 2), recent.Handle());
    EXPECT_EQ(menu->Items().FindByHandle(recent.Handle()), &recent);
    EXPECT_EQ(GetMenuItemID(recent.Handle(), 0), first.Command());
    HMENU viewPopup = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(viewPopup), 3);  // the hidden item is left out
    EXPECT_TRUE(ItemState(viewPopup, 0) & MF_CHECKED);
    EXPECT_FALSE(ItemState(viewPopup, 1) & MF_CHECKED);
    EXPECT_TRUE(ItemState(viewPopup, 2) & MF_GRAYED);

    // A choice arrives as the item's command: its click runs once.
    SendMessageW(form->Handle(), WM_COMMAND, open.Command(), 0);
    EXPECT_EQ(opened, 1);
    SendMessageW(form->Handle(), WM_COMMAND, off.Command(), 0);
    SendMessageW(form->Handle(), WM_COMMAND, hidden.Command(), 0);
    EXPECT_EQ(disabledRuns, 0);
    EXPECT_EQ(hiddenRuns, 0) << "a hidden item's command comes from no menu";
    // Choosing a radio item checks it and unchecks its group; the bar follows with a new menu.
    SendMessageW(form->Handle(), WM_COMMAND, large.Command(), 0);
    EXPECT_TRUE(large.Checked());
    EXPECT_FALSE(small.Checked());
    bar = GetMenu(form->Handle());
    EXPECT_EQ(bar, menu->Handle());
    viewPopup = GetSubMenu(bar, 1);
    EXPECT_FALSE(ItemState(viewPopup, 0) & MF_CHECKED);
    EXPECT_TRUE(ItemState(viewPopup, 1) & MF_CHECKED);
    EXPECT_GE(menuChanges, 2);

    // Owner drawing marks every item, the submenus' too.
    menu->SetOwnerDraw(true);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(recent.Handle(), 0, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);

    form->WindowProc = saved;
    delete form;
}

// The shift keys as the thread sees them, held for a scope.
class THeldKeys {
public:
    explicit THeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) state[key] = 0;
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~THeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256] = {};
};

TEST_F(MenusTest, ShortCutsOnTheFormRunTheMainMenusItemsOnce) {
    auto* form = new TForm(app_);
    auto* menu = new TMainMenu(form);
    int opened = 0, saved = 0, refreshed = 0;
    TMenuItem& file = menu->Items().Add(L"&File");
    file.Add(L"&Open", [&](TMenuItem&) { ++opened; }).SetShortCut(ShortCut('O', scCtrl));
    file.Add(L"Save &as", [&](TMenuItem&) { ++saved; }).SetShortCut(ShortCut('S', scCtrl | scShift));
    TMenuItem& recent = file.Add(L"&Recent");
    TMenuItem& refresh = recent.Add(L"Re&fresh", [&](TMenuItem&) { ++refreshed; });
    refresh.SetShortCut(ShortCut(VK_F5, 0));
    form->HandleNeeded();
    form->SetMainMenu(menu);

    struct Case {
        std::initializer_list<int> held;
        WPARAM key;
        LRESULT taken;
        int opened, saved, refreshed;
    } cases[] = {
        {{VK_CONTROL}, 'O', 1, 1, 0, 0},
        {{}, 'O', 0, 1, 0, 0},            // a plain O is no shortcut
        {{VK_CONTROL}, 'S', 0, 1, 0, 0},  // Ctrl+S is not Ctrl+Shift+S
        {{VK_CONTROL, VK_SHIFT}, 'S', 1, 1, 1, 0},
        {{}, VK_F5, 1, 1, 1, 1},  // found in a submenu
        {{VK_MENU}, VK_F5, 0, 1, 1, 1},
    };
    for (const Case& c : cases) {
        const THeldKeys held(c.held);
        EXPECT_EQ(c.taken, form->Perform(CM_DIALOGKEY, c.key, 0)) << c.key;
        EXPECT_EQ(c.opened, opened) << c.key;
        EXPECT_EQ(c.saved, saved) << c.key;
        EXPECT_EQ(c.refreshed, refreshed) << c.key;
    }
    // A disabled item keeps its key from the controls but runs nothing, nor one under a disabled parent.
    refresh.SetEnabled(false);
    EXPECT_EQ(1, form->Perform(CM_DIALOGKEY, VK_F5, 0));
    refresh.SetEnabled(true);
    recent.SetEnabled(false);
    EXPECT_EQ(1, form->Perform(CM_DIALOGKEY, VK_F5, 0));
    EXPECT_EQ(1, refreshed);
    delete form;
}

TEST_F(MenusTest, RebuildingLeavesNoMenuBehind) {
    if (!test::CountsMenusAndIcons()) GTEST_SKIP() << "menus are counted under Wine only";
    auto* form = new TForm(app_);
    auto* menu = new TMainMenu(form);
    TMenuItem& file = menu->Items().Add(L"&File");
    TMenuItem& item = file.Add(L"&Item");
    file.Add(L"&More").Add(L"&Deeper");
    form->HandleNeeded();
    form->SetMainMenu(menu);
    test::TGuiObjectCount before{}, after{};
    ASSERT_TRUE(test::CountGuiObjects(before));
    for (int i = 0; i < 200; ++i) item.SetChecked(i % 2 == 0);
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(after.Menus, before.Menus);
    delete form;
}

}  // namespace
}  // namespace tw
