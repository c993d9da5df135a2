// The menu bar's hold on menus under Wine: entries made owner-drawn for a popup get their own
// types back, the frame-painting switch held off while a form changes its menu comes back on
// when an exception passes through the change, and a window that goes, skinner and all, while
// its menu is open is not touched once the menu has returned.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "app/SkinResources.h"
#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/form/OwnerDrawSwitch.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/package/SkinStore.h"
#include "tests/form/FormTestKit.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/FreedMemoryWatch.h"

namespace tw {
namespace {

UINT TypeOf(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.fType;
}

TEST(OwnerDrawSwitch, EveryEntryOfTheTreeGetsItsOwnTypeBack) {
    const TMenuHandle root(CreatePopupMenu());
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 11, L"Inner");
    AppendMenuW(sub, MF_OWNERDRAW, 12, nullptr);  // the program's own drawing stays
    AppendMenuW(root.Get(), MF_STRING, 1, L"&Plain");
    AppendMenuW(root.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root.Get(), MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"Sub");
    MENUITEMINFOW radio{};
    radio.cbSize = sizeof(radio);
    radio.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    radio.fType = MFT_RADIOCHECK;
    radio.wID = 3;
    radio.dwTypeData = const_cast<wchar_t*>(L"Radio");
    InsertMenuItemW(root.Get(), 3, TRUE, &radio);
    const UINT before[] = {TypeOf(root.Get(), 0), TypeOf(root.Get(), 1), TypeOf(root.Get(), 2),
                           TypeOf(root.Get(), 3), TypeOf(sub, 0),        TypeOf(sub, 1)};
    {
        TOwnerDrawSwitch drawn(root.Get());
        EXPECT_TRUE(drawn.Holds(sub));
        for (UINT i = 0; i < 4; ++i) EXPECT_TRUE(TypeOf(root.Get(), i) & MFT_OWNERDRAW) << i;
        EXPECT_TRUE(TypeOf(sub, 0) & MFT_OWNERDRAW);
        wchar_t text[16] = {};
        GetMenuStringW(root.Get(), 1, text, 16, MF_BYCOMMAND);
        EXPECT_STREQ(L"&Plain", text);  // the text stays for the accelerators
    }
    const UINT after[] = {TypeOf(root.Get(), 0), TypeOf(root.Get(), 1), TypeOf(root.Get(), 2),
                          TypeOf(root.Get(), 3), TypeOf(sub, 0),        TypeOf(sub, 1)};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(before[i], after[i]) << i;
}

class ThrowingForm : public TForm {
public:
    using TForm::TForm;
    bool throwOnChange = false;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == CM_MENUCHANGED && throwOnChange) throw std::runtime_error("menu change fails");
        TForm::WndProc(message);
    }
};

class MenuBarTest : public TApplicationTest {};

TEST_F(MenuBarTest, TheFramePaintingSwitchComesBackAfterAFailedMenuChange) {
    TSkinStore store(nullptr);
    LoadBuiltInSkins(store);
    TSkinData data(nullptr);
    data.LoadFromStore(&store, 1);
    ThrowingForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    const TMenuHandle first(CreateMenu());
    AppendMenuW(first.Get(), MF_STRING, 100, L"&File");
    form.SetMenu(first.Get());
    TRecordingHost host;
    TWinSkinForm skinner(form.Handle(), &host);
    skinner.AttachToForm(&data, &form);
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    ASSERT_NE(nullptr, skinner.MenuBar());
    EXPECT_EQ(nullptr, GetMenu(form.Handle()));  // the skinner paints the bar itself

    const TMenuHandle second(CreateMenu());
    AppendMenuW(second.Get(), MF_STRING, 101, L"&Edit");
    form.throwOnChange = true;
    EXPECT_THROW(form.SetMenu(second.Get()), std::runtime_error);
    EXPECT_TRUE(skinner.FramePainting());
    form.throwOnChange = false;
    skinner.Detach();
    form.SetMenu(nullptr);
}

// A window whose skinner goes with it while its menu is open, as a form freed by a message that
// arrives meanwhile (a timer of its own, a posted command) goes.
struct TGoneWhileOpen {
    HWND window = nullptr;
    TWinSkinForm* skinner = nullptr;
    bool gone = false;
};
TGoneWhileOpen goneWhileOpen;

void CALLBACK DestroyWhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    TGoneWhileOpen& g = goneWhileOpen;
    if (!FindWindowW(L"#32768", nullptr)) return;  // the menu is not open: nothing is shown
    DestroyWindow(g.window);
    delete g.skinner;
    g.gone = true;
    EndMenu();
}

LRESULT CALLBACK PlainProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST_F(MenuBarTest, AWindowGoneWithItsSkinnerWhileItsMenuIsOpenIsNotTouchedAfterwards) {
    TSkinStore store(nullptr);
    LoadBuiltInSkins(store);
    TSkinData data(nullptr);
    data.LoadFromStore(&store, 2);
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 100, L"&Open");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    TGoneWhileOpen& g = goneWhileOpen;
    g = TGoneWhileOpen{};
    g.window = CreateWindowExW(0, TestWindowClass(L"TwMenuGoneTest", PlainProc), L"menu",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400, 300, nullptr, menu,
                               GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, g.window);
    TRecordingHost host;
    g.skinner = new TWinSkinForm(g.window, &host);
    g.skinner->AttachToWindow(&data);
    g.skinner->ActivateNow();
    TWinSkinMenu* bar = g.skinner->MenuBar();
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(1, bar->Count());
    SetTimer(nullptr, 0, 300, DestroyWhileOpen);
    {
        TFreedMemoryWatch watch;
        bar->OpenMenu(bar->Item(0));
        ASSERT_TRUE(g.gone) << "the menu never opened";
        EXPECT_GT(watch.Kept(), 0u);  // the skinner and its bar went while the menu was open
        EXPECT_EQ(0u, watch.Overwritten());
    }
    EXPECT_FALSE(IsWindow(g.window));
    EXPECT_EQ(-1, TWinSkinMenu::OpenIndex());
}

}  // namespace
}  // namespace tw
