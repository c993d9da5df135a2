// The menu bar's hold on menus under Wine: entries made owner-drawn for a popup get their own
// types back, and the frame-painting switch held off while a form changes its menu comes back
// on when an exception passes through the change.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "app/SkinResources.h"
#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/form/OwnerDrawSwitch.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"
#include "tests/form/FormTestKit.h"
#include "tests/support/ApplicationTest.h"

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

}  // namespace
}  // namespace tw
