// Check box and radio skinners on the bare buttons of a plain window under Wine, under each
// built-in skin: every check and radio style answers the skin query, clicks and the space bar
// toggle them and the drawn strip frame follows (checked, grayed, disabled), the box of a
// BS_LEFTTEXT box lies at the right edge, and detaching gives each its own procedure back.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/controls/CheckFrame.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/WinSkinForm.h"
#include "tests/controls/SkinnerTest.h"

namespace tw {
namespace {

class CheckSkinnerTest : public TSkinnerTest {};

TSkinCheckMark* MarkOf(TWinSkinForm& form, HWND wnd) {
    for (const auto& s : form.Skinners())
        if (s->Control() == wnd) return dynamic_cast<TSkinCheckMark*>(s.get());
    return nullptr;
}

// The frame the skinner drew last, after a paint of the whole window.
int FrameNow(TWinSkinForm& form, HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    TSkinCheckMark* mark = MarkOf(form, wnd);
    return mark ? mark->LastFrame() : -1;
}

void Space(HWND wnd) {
    SendMessageW(wnd, WM_KEYDOWN, VK_SPACE, 0x00390001);
    SendMessageW(wnd, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
}

TEST_F(CheckSkinnerTest, BareChecksAndRadiosToggleAndShowTheirFramesUnderEverySkin) {
    HWND top = CreateWindowExW(0, L"#32770", L"checks", WS_OVERLAPPEDWINDOW, 40, 40, 320, 260, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, top);
    auto make = [&](DWORD style, int row, const wchar_t* text) {
        return CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, 10 + 28 * row, 200,
                               24, top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + row)), nullptr, nullptr);
    };
    HWND check = make(BS_AUTOCHECKBOX, 0, L"Check");
    HWND tri = make(BS_AUTO3STATE, 1, L"Three states");
    HWND radioA = make(BS_AUTORADIOBUTTON | WS_GROUP, 2, L"Radio A");
    HWND radioB = make(BS_AUTORADIOBUTTON, 3, L"Radio B");
    HWND off = make(BS_AUTOCHECKBOX | WS_DISABLED, 4, L"Disabled");
    HWND left = make(BS_AUTOCHECKBOX | BS_LEFTTEXT, 5, L"Text left");
    const LONG_PTR own = GetWindowLongPtrW(check, GWLP_WNDPROC);
    ShowWindow(top, SW_SHOWNOACTIVATE);

    for (int skin = 0; skin < 5; ++skin) {
        SCOPED_TRACE(testing::Message() << "skin " << skin);
        auto data = Skin(skin);
        ASSERT_TRUE(data->Buttons);
        const int checks = data->Buttons->CheckButtonFrame, radios = data->Buttons->RadioButtonFrame;
        SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(tri, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(radioA, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(radioB, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(off, BM_SETCHECK, BST_CHECKED, 0);

        TWinSkinForm skinner(top, nullptr);
        skinner.AttachToWindow(data.get());
        skinner.ActivateNow();
        for (HWND h : {check, tri, radioA, radioB, off, left}) EXPECT_EQ(1, Query(h));
        ASSERT_NE(nullptr, MarkOf(skinner, check));
        EXPECT_FALSE(MarkOf(skinner, check)->DrawsWhole());  // a bare window paints itself

        const TCheckLook unchecked{TCheckState::Unchecked, true}, checked{TCheckState::Checked, true},
            grayed{TCheckState::Grayed, true}, checkedOff{TCheckState::Checked, false};
        EXPECT_EQ(CheckBoxFrame(unchecked, checks), FrameNow(skinner, check));
        SendMessageW(check, BM_CLICK, 0, 0);
        EXPECT_EQ(BST_CHECKED, SendMessageW(check, BM_GETCHECK, 0, 0));
        EXPECT_EQ(CheckBoxFrame(checked, checks), FrameNow(skinner, check));
        SetFocus(check);
        Space(check);
        EXPECT_EQ(BST_UNCHECKED, SendMessageW(check, BM_GETCHECK, 0, 0));
        EXPECT_EQ(CheckBoxFrame(unchecked, checks), FrameNow(skinner, check));

        // A three-state box goes checked, then grayed.
        SendMessageW(tri, BM_CLICK, 0, 0);
        SendMessageW(tri, BM_CLICK, 0, 0);
        EXPECT_EQ(BST_INDETERMINATE, SendMessageW(tri, BM_GETCHECK, 0, 0));
        EXPECT_EQ(CheckBoxFrame(grayed, checks), FrameNow(skinner, tri));
        EXPECT_EQ(CheckBoxFrame(checkedOff, checks), FrameNow(skinner, off));

        // One radio of a group at a time.
        SendMessageW(radioB, BM_CLICK, 0, 0);
        EXPECT_EQ(RadioButtonFrame(checked, radios), FrameNow(skinner, radioB));
        SendMessageW(radioA, BM_CLICK, 0, 0);
        EXPECT_EQ(RadioButtonFrame(checked, radios), FrameNow(skinner, radioA));
        EXPECT_EQ(RadioButtonFrame(unchecked, radios), FrameNow(skinner, radioB));
        EXPECT_NE(RadioButtonFrame(checked, radios), RadioButtonFrame(unchecked, radios));

        skinner.Detach();
        EXPECT_EQ(own, GetWindowLongPtrW(check, GWLP_WNDPROC));
        for (HWND h : {check, tri, radioA, radioB, off, left}) EXPECT_EQ(0, Query(h));
    }
    DestroyWindow(top);
}

}  // namespace
}  // namespace tw
