// The framework's check boxes, radio buttons and glyph buttons on a skinned form under Wine:
// under every built-in skin each one gets its skinner and answers the skin query, a click on a
// check box and a radio button changes both the control's state and the strip frame it shows;
// and a group of speed buttons keeps one button down.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/win/BitBtn.h"
#include "framework/win/CheckBoxes.h"
#include "framework/win/Forms.h"
#include "framework/win/SpeedButton.h"
#include "skin/controls/CheckFrame.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "tests/controls/SkinnerTest.h"

namespace tw {
namespace {

void Click(HWND wnd) {
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

class ButtonFamilySkinTest : public TSkinnerTest {};

TEST_F(ButtonFamilySkinTest, FrameworkTogglesAndGlyphButtonsAreSkinnedAndFollowClicks) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        auto* form = new TForm(app_);
        form->SetClientWidth(300);
        form->SetClientHeight(160);
        auto* check = new TCheckBox(form);
        check->SetParent(form);
        check->SetBounds(10, 10, 120, 20);
        check->SetCaption(L"Check");
        auto* radio = new TRadioButton(form);
        radio->SetParent(form);
        radio->SetBounds(10, 40, 120, 20);
        radio->SetCaption(L"Radio");
        auto* bit = new TBitBtn(form);
        bit->SetParent(form);
        bit->SetBounds(150, 10, 100, 26);
        bit->SetKind(TBitBtnKind::bkOK);
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        {
            TWinSkinForm skinner(form->Handle(), nullptr);
            skinner.AttachToForm(data.get(), form);
            skinner.ActivateNow();
            EXPECT_EQ(1, SendMessageW(check->Handle(), SKM_QUERY, 0, 0));
            EXPECT_EQ(1, SendMessageW(radio->Handle(), SKM_QUERY, 0, 0));
            EXPECT_EQ(1, SendMessageW(bit->Handle(), SKM_QUERY, 0, 0));
            auto* checkSkin = SkinnerOf<TSkinCheckBox>(skinner, check->Handle());
            auto* radioSkin = SkinnerOf<TSkinRadioButton>(skinner, radio->Handle());
            ASSERT_TRUE(checkSkin && radioSkin);
            EXPECT_TRUE(checkSkin->DrawsWhole()) << "a framework check box is drawn whole";
            const int checks = data->Buttons->CheckButtonFrame, radios = data->Buttons->RadioButtonFrame;
            UpdateWindow(form->Handle());
            Click(check->Handle());
            EXPECT_TRUE(check->Checked());
            UpdateWindow(check->Handle());
            EXPECT_EQ(CheckBoxFrame({TCheckState::Checked, true}, checks < 1 ? 4 : checks), checkSkin->LastFrame());
            Click(check->Handle());
            EXPECT_FALSE(check->Checked());
            UpdateWindow(check->Handle());
            EXPECT_EQ(CheckBoxFrame({TCheckState::Unchecked, true}, checks < 1 ? 4 : checks), checkSkin->LastFrame());
            Click(radio->Handle());
            EXPECT_TRUE(radio->Checked());
            UpdateWindow(radio->Handle());
            EXPECT_EQ(RadioButtonFrame({TCheckState::Checked, true}, radios < 1 ? 4 : radios), radioSkin->LastFrame());
        }
        delete form;
    }
}

TEST_F(ButtonFamilySkinTest, ASpeedButtonGroupKeepsOneDown) {
    auto* form = new TForm(app_);
    TSpeedButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new TSpeedButton(form);
        buttons[i]->SetParent(form);
        buttons[i]->SetBounds(10 + 30 * i, 10, 28, 28);
        buttons[i]->SetGroupIndex(1);
    }
    auto* loose = new TSpeedButton(form);
    loose->SetParent(form);
    loose->SetBounds(120, 10, 28, 28);
    loose->SetDown(true);
    EXPECT_FALSE(loose->Down()) << "a button of no group springs back";
    buttons[0]->SetDown(true);
    buttons[2]->SetDown(true);
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[2]->Down());
    // A click on the one down keeps it down unless all may be up.
    buttons[2]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    buttons[2]->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(buttons[2]->Down());
    for (auto* b : buttons) b->SetAllowAllUp(true);
    buttons[2]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    buttons[2]->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(buttons[2]->Down());
    buttons[1]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    buttons[1]->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_EQ(1, buttons[0]->Down() + buttons[1]->Down() + buttons[2]->Down());
    delete form;
}

}  // namespace
}  // namespace tw
