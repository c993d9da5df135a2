// Media players on real windows under Wine: each gets its skinner and a panel that covers it
// exactly; presses on the panel reach the player, which names the button of a click and
// ignores a disabled one; the panel draws the skin's pressed frame while a press is held;
// and the panel goes with the player's window, whether the window alone is destroyed or the
// whole control is freed.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/Forms.h"
#include "framework/win/MediaPlayer.h"
#include "skin/controls/SkinMP.h"
#include "skin/form/WinSkinForm.h"
#include "tests/controls/SkinnerTest.h"

namespace tw {
namespace {

constexpr const wchar_t* kPlayerPanel = L"TarnwickPlayerPanel";

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The pixels of one button cell as the panel prints itself.
std::vector<COLORREF> CellPixels(HWND panel, const RECT& cell) {
    HDC screen = GetDC(nullptr);
    RECT client{};
    GetClientRect(panel, &client);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(panel, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return pixels;
}

using MediaPlayerSkinTest = TSkinnerTest;

TEST_F(MediaPlayerSkinTest, PanelCoversThePlayerPassesItsClicksAndGoesWithIt) {
    auto data = Skin(1);
    auto* form = new TForm(app_);
    form->SetClientWidth(400);
    form->SetClientHeight(120);
    auto* full = new TMediaPlayer(form);
    full->SetParent(form);
    full->SetBounds(8, 8, 270, 30);
    full->SetEnabledButtons(kAllPlayerButtons & ~(1u << btRecord));
    auto* few = new TMediaPlayer(form);
    few->SetParent(form);
    few->SetBounds(8, 60, 100, 30);
    few->SetVisibleButtons((1u << btPlay) | (1u << btStop));
    std::vector<std::string> clicked;
    auto record = [&clicked](TObject*, TMPBtnType button) { clicked.push_back(PlayerButtonName(button)); };
    full->OnClick = record;
    few->OnClick = record;
    form->HandleNeeded();

    TWinSkinForm skinner(form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), form);
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    skinner.ActivateNow();
    Pump();
    EXPECT_EQ(1, SendMessageW(full->Handle(), SKM_QUERY, 0, 0));
    EXPECT_EQ(1, SendMessageW(few->Handle(), SKM_QUERY, 0, 0));
    TSkinMP* mp = SkinnerOf<TSkinMP>(skinner, full->Handle());
    ASSERT_NE(nullptr, mp);
    ASSERT_NE(nullptr, mp->Panel());
    HWND panel = mp->Panel()->Handle();
    RECT covered{}, control{};
    GetWindowRect(panel, &covered);
    GetWindowRect(full->Handle(), &control);
    EXPECT_TRUE(EqualRect(&covered, &control)) << "the panel does not cover the player";
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(2, PanelsUnder(form->Handle(), kPlayerPanel));

    // Nine buttons of 30: a press on the third (stop) is held, then released over it.
    const RECT stopCell{60, 0, 90, 30};
    const std::vector<COLORREF> up = CellPixels(panel, stopCell);
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(75, 15));
    EXPECT_EQ(btStop, mp->Panel()->DownButton());
    EXPECT_NE(up, CellPixels(panel, stopCell)) << "the held button is not drawn pressed";
    EXPECT_EQ(btStop, full->DownButton()) << "the press did not reach the player";
    EXPECT_TRUE(clicked.empty()) << "a press alone is no click";
    SendMessageW(panel, WM_LBUTTONUP, 0, At(75, 15));
    EXPECT_EQ(kNoPlayerButton, mp->Panel()->DownButton());
    EXPECT_EQ(up, CellPixels(panel, stopCell)) << "the released button is not drawn up again";
    // The disabled record button (the eighth) takes no click; a press that leaves its button
    // before the release is none either.
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(225, 15));
    SendMessageW(panel, WM_LBUTTONUP, 0, At(225, 15));
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 15));
    SendMessageW(panel, WM_LBUTTONUP, 0, At(100, 15));
    EXPECT_EQ(kNoPlayerButton, full->DownButton()) << "the player still holds a press that ended elsewhere";
    // Two of nine shown on the other player: each half its width.
    HWND fewPanel = SkinnerOf<TSkinMP>(skinner, few->Handle())->Panel()->Handle();
    SendMessageW(fewPanel, WM_LBUTTONDOWN, MK_LBUTTON, At(80, 15));
    SendMessageW(fewPanel, WM_LBUTTONUP, 0, At(80, 15));
    EXPECT_EQ((std::vector<std::string>{"btStop", "btStop"}), clicked);

    // A hidden player hides its panel; shown again, the panel shows too.
    few->SetVisible(false);
    Pump();
    EXPECT_FALSE(IsWindowVisible(fewPanel));
    few->SetVisible(true);
    Pump();
    EXPECT_TRUE(IsWindowVisible(fewPanel));

    // The player's window goes while the control stays: its panel goes at once, not at the
    // next sweep.
    full->DestroyHandle();
    EXPECT_FALSE(IsWindow(panel)) << "the panel outlived the player's window";
    EXPECT_EQ(1, PanelsUnder(form->Handle(), kPlayerPanel));
    // The control is freed, its window with it.
    delete few;
    EXPECT_FALSE(IsWindow(fewPanel)) << "the panel outlived the player";
    EXPECT_EQ(0, PanelsUnder(form->Handle(), kPlayerPanel));
    skinner.SweepSkinners();
    skinner.Detach();
    delete form;
}

}  // namespace
}  // namespace tw
