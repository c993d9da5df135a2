// The skin menu on a skinned form, as the main window carries it: the system menu ends in "皮肤"
// with the five built-in skins named as the skins name themselves and the current one checked;
// each entry switches the skin and moves the check; the window's own system commands still reach
// it; and the process's GDI and USER objects stay flat over 100 switches through the menu.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/MainFormSkin.h"
#include "app/SkinMenu.h"
#include "framework/core/ClassInfo.h"
#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/manage/SkinManage.h"
#include "skins/SkinResources.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

constexpr UINT kSkmQuery = 0x3523;

class SkinMenuTest : public TApplicationTest {};

std::wstring EntryText(HMENU menu, int position) {
    wchar_t text[80] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 80, MF_BYPOSITION);
    return text;
}

int CheckedEntry(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) return i;
    return -1;
}

TEST_F(SkinMenuTest, EntriesListTheSkinsSwitchThemAndLeaveTheCountsFlat) {
    auto* form = new TForm(nullptr);
    form->SetBounds(80, 80, 420, 300);
    const TMainFormSkin skin = CreateMainFormSkin(*form);
    skin.Data->LoadFromStore(skin.Store, kStartupSkinIndex);
    skin.Data->SetActive(true);
    form->Show();
    const HWND window = form->Handle();
    for (int i = 0; i < 200 && SendMessageW(window, kSkmQuery, 0, 0) != 1; ++i) {
        app_->ProcessMessages();
        Sleep(10);
    }
    ASSERT_EQ(1, SendMessageW(window, kSkmQuery, 0, 0));

    TSkinMenu menu(*skin.Data, *skin.Store);
    ASSERT_TRUE(menu.Install(window, kStartupSkinIndex));
    HMENU system = GetSystemMenu(window, FALSE);
    const int last = GetMenuItemCount(system) - 1;
    EXPECT_EQ(L"皮肤", EntryText(system, last));
    HMENU skins = GetSubMenu(system, last);
    ASSERT_NE(nullptr, skins);
    ASSERT_EQ(kSkinPackageCount, GetMenuItemCount(skins));
    EXPECT_EQ(kStartupSkinIndex, CheckedEntry(skins));

    auto choose = [&](int index) {
        SendMessageW(window, WM_SYSCOMMAND, TSkinMenu::kFirstCommand + TSkinMenu::kCommandStep * index, 0);
        if (SkinManager()->FAction) SkinManager()->DoAction();
        app_->ProcessMessages();
    };
    for (int i = 0; i < kSkinPackageCount; ++i) {
        EXPECT_EQ(kSkinDisplayNames[i], EntryText(skins, i));
        choose(i);
        // The entry names the skin it loads, as that skin calls itself.
        EXPECT_EQ(kSkinDisplayNames[i], WideFromUtf8(skin.Data->FSkinName)) << "entry " << i;
        EXPECT_EQ(i, CheckedEntry(skins));
        EXPECT_EQ(1, SendMessageW(window, kSkmQuery, 0, 0));
    }
    // A system command of the window's own passes the menu by.
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window));

    test::TGuiObjectCount before, after;
    choose(0);
    ASSERT_TRUE(test::CountGuiObjects(before));
    for (int i = 1; i <= 100; ++i) choose(i % kSkinPackageCount);
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(before.Gdi(), after.Gdi());
    EXPECT_EQ(before.Windows, after.Windows);
    EXPECT_EQ(before.Menus, after.Menus);
    EXPECT_EQ(0, CheckedEntry(skins));
    delete form;
}

}  // namespace
}  // namespace tw
