// Caption buttons on real windows under Wine, driven by the non-client messages the system sends
// for the mouse: hot and pressed cells on the title bar and back to normal when the mouse leaves,
// press then release elsewhere doing nothing, close, minimise, maximise swapping for restore, a
// double click on the icon, a button of the application's own, the hit codes of the title, a
// rebuild or a replaced skin list leaving no stale button behind, and Alt+Space opening the
// skinned system menu alone, its entries enabled as the window's frame and state allow.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "app/SkinResources.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"
#include "tests/form/FormTestKit.h"
#include "tests/support/ApplicationTest.h"

namespace tw {
namespace {

constexpr int kOwnAction = 40, kOwnVisibility = 1500;

struct TSeen {
    std::vector<WPARAM> sysCommands;  // WM_SYSCOMMAND commands that reached the window
    std::vector<WPARAM> buttonActions;
    int visibilityQuestions = 0;
} seen;

LRESULT CALLBACK ButtonWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SYSCOMMAND:
            seen.sysCommands.push_back(wParam & 0xFFF0);
            // Closing is left to the test.
            if ((wParam & 0xFFF0) == SC_CLOSE) return 0;
            break;
        case SKM_BUTTONACTION:
            seen.buttonActions.push_back(wParam);
            return 0;
        case SKM_BUTTONVISIBLE:
            ++seen.visibilityQuestions;
            return wParam == kOwnVisibility && lParam == kOwnAction ? 1 : 0;
        default:
            break;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

const wchar_t* ButtonWindowClass() { return TestWindowClass(L"TwCaptionButtons", ButtonWindowProc); }

// The pixels of a window rectangle (window coordinates) as the screen shows them.
std::vector<COLORREF> PixelsOf(HWND wnd, const TRect& r) {
    std::vector<COLORREF> pixels;
    HDC dc = GetWindowDC(wnd);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(wnd, dc);
    return pixels;
}

class CaptionButtonTest : public TApplicationTest {
protected:
    static void SetUpTestSuite() {
        TApplicationTest::SetUpTestSuite();
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
    }
    static void TearDownTestSuite() {
        delete store_;
        TApplicationTest::TearDownTestSuite();
    }
    void SetUp() override { seen = TSeen{}; }

    std::unique_ptr<TSkinData> Skin(int index) {
        auto data = std::make_unique<TSkinData>(nullptr);
        data->LoadFromStore(store_, index);
        return data;
    }

    static HWND NewWindow() {
        return CreateWindowExW(0, ButtonWindowClass(), L"buttons", WS_OVERLAPPEDWINDOW, 60, 60, 360, 240, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    // Shown and active, its frame skinned.
    static void ShowSkinned(TWinSkinForm& skinner, TSkinData& data) {
        skinner.AttachToWindow(&data);
        ShowWindow(skinner.Handle(), SW_SHOW);
        SetForegroundWindow(skinner.Handle());
        Pump();
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    static TWinSysButton* ButtonWithAction(TWinSkinForm& skinner, int action) {
        for (const auto& b : skinner.Buttons())
            if (b->Action() == action && b->Visible) return b.get();
        return nullptr;
    }

    // Screen point of the middle of a rectangle in window coordinates.
    static LPARAM ScreenPoint(HWND wnd, const TRect& r) {
        RECT window{};
        GetWindowRect(wnd, &window);
        return MAKELPARAM(window.left + (r.Left + r.Right) / 2, window.top + (r.Top + r.Bottom) / 2);
    }

    static inline TSkinStore* store_ = nullptr;
    TRecordingHost host_;
};

TEST_F(CaptionButtonTest, ButtonsLightPressAndActOnlyWhenReleasedOverThemselves) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        seen = TSeen{};
        auto data = Skin(index);
        HWND wnd = NewWindow();
        TWinSkinForm skinner(wnd, &host_);
        ShowSkinned(skinner, *data);
        ASSERT_EQ(stRunning, skinner.SkinState());
        TWinSysButton* close = ButtonWithAction(skinner, caClose);
        TWinSysButton* minimise = ButtonWithAction(skinner, caMinimize);
        TWinSysButton* icon = ButtonWithAction(skinner, caSystemMenu);
        ASSERT_TRUE(close && minimise && icon);
        RECT window{};
        GetWindowRect(wnd, &window);
        const int width = window.right - window.left;
        // Close at the right, minimise left of it, the icon at the left; all inside the title.
        EXPECT_LE(close->Bounds.Right, width);
        EXPECT_LT(minimise->Bounds.Right, close->Bounds.Left + 1);
        EXPECT_LT(icon->Bounds.Right, minimise->Bounds.Left);
        EXPECT_LE(close->Bounds.Bottom, skinner.Metrics().TitleHeight);
        // Restore and minimise-alone are hidden on a normal window with both boxes.
        int shown = 0;
        for (const auto& b : skinner.Buttons()) shown += b->Visible ? 1 : 0;
        EXPECT_EQ(4, shown);

        const LPARAM onClose = ScreenPoint(wnd, close->Bounds);
        const TRect middle(width / 2 - 2, 8, width / 2 + 2, 12);
        const LPARAM onTitle = ScreenPoint(wnd, middle);
        EXPECT_EQ(HTCAPTION, SendMessageW(wnd, WM_NCHITTEST, 0, onClose));
        EXPECT_EQ(HTCAPTION, SendMessageW(wnd, WM_NCHITTEST, 0, onTitle));

        const std::vector<COLORREF> normal = PixelsOf(wnd, close->Bounds);
        SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, onClose);
        EXPECT_EQ(close, skinner.HotObject());
        EXPECT_EQ(csHot, close->State);
        const std::vector<COLORREF> hot = PixelsOf(wnd, close->Bounds);
        EXPECT_NE(normal, hot);
        SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, onClose);
        EXPECT_EQ(csPressed, close->State);
        EXPECT_NE(hot, PixelsOf(wnd, close->Bounds));
        // Moved off and released over the title: nothing happens and the button is normal again.
        SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, onTitle);
        EXPECT_EQ(nullptr, skinner.HotObject());
        EXPECT_EQ(csNormal, close->State);
        EXPECT_EQ(normal, PixelsOf(wnd, close->Bounds));
        SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, onTitle);
        // Pressed on minimise, released over close (which the mouse lit on its way).
        SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(wnd, minimise->Bounds));
        SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, onClose);
        SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, onClose);
        Pump();
        EXPECT_TRUE(seen.sysCommands.empty());
        EXPECT_TRUE(IsWindowVisible(wnd) && !IsIconic(wnd));

        // A rebuild frees the buttons: no hot object is left pointing at them.
        SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, onClose);
        ASSERT_NE(nullptr, skinner.HotObject());
        skinner.RebuildFrame();
        EXPECT_EQ(nullptr, skinner.HotObject());
        skinner.RepaintFrame();
        // A skin list replaced without a rebuild is read again before the next paint uses it.
        auto first = std::make_unique<TDataSkinSysButton>("BUTTONNEW");
        const TDataSkinSysButton* replaced = first.get();
        first->Action = kOwnAction;
        data->SysButtons.back() = std::move(first);
        skinner.RepaintFrame();
        ASSERT_EQ(data->SysButtons.size(), skinner.Buttons().size());
        EXPECT_EQ(replaced, &skinner.Buttons().back()->Skin);
        close = ButtonWithAction(skinner, caClose);
        minimise = ButtonWithAction(skinner, caMinimize);
        ASSERT_TRUE(close && minimise);

        // Maximise swaps itself for restore; restore brings the window back; a double click on
        // the icon closes.
        auto click = [&](const TRect& r) {
            SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(wnd, r));
            SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(wnd, r));
            Pump();
        };
        auto maxOrRestore = [&](int visibility) -> TWinSysButton* {
            skinner.RepaintFrame();
            for (const auto& b : skinner.Buttons())
                if (b->Action() == caMaximize && b->Skin.Visibility == visibility)
                    return b->Visible ? b.get() : nullptr;
            return nullptr;
        };
        ASSERT_NE(nullptr, maxOrRestore(2));
        click(maxOrRestore(2)->Bounds);
        EXPECT_TRUE(IsZoomed(wnd));
        EXPECT_EQ(nullptr, maxOrRestore(2));
        ASSERT_NE(nullptr, maxOrRestore(1));
        click(maxOrRestore(1)->Bounds);
        EXPECT_FALSE(IsZoomed(wnd));
        ASSERT_NE(nullptr, maxOrRestore(2));
        seen.sysCommands.clear();
        SendMessageW(wnd, WM_NCLBUTTONDBLCLK, HTCAPTION,
                     ScreenPoint(wnd, ButtonWithAction(skinner, caSystemMenu)->Bounds));
        Pump();
        EXPECT_EQ(std::vector<WPARAM>{SC_CLOSE}, seen.sysCommands);
        seen.sysCommands.clear();
        close = ButtonWithAction(skinner, caClose);
        minimise = ButtonWithAction(skinner, caMinimize);
        ASSERT_TRUE(close && minimise);

        // A press and release over close closes; over minimise minimises.
        SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, onClose);
        SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, onClose);
        Pump();
        EXPECT_EQ(std::vector<WPARAM>{SC_CLOSE}, seen.sysCommands);
        const LPARAM onMinimise = ScreenPoint(wnd, minimise->Bounds);
        seen.sysCommands.clear();
        SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, onMinimise);
        SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, onMinimise);
        Pump();
        EXPECT_TRUE(IsIconic(wnd));
        DestroyWindow(wnd);
        EXPECT_EQ(nullptr, skinner.HotObject());
    }
}

TEST_F(CaptionButtonTest, AButtonOfTheApplicationAsksWhetherItShowsAndPostsItsAction) {
    auto data = Skin(2);
    auto own = std::make_unique<TDataSkinSysButton>("BUTTONOWN");
    own->Action = kOwnAction;
    own->Align = 0;
    own->Xcoord = 40;
    own->Ycoord = 4;
    own->Visibility = kOwnVisibility;
    own->Visibility1 = 0;
    own->FrameCount = 3;
    own->Image.SetSize(30, 12);
    own->Image.Fill(RGB(0, 200, 0));
    data->SysButtons.insert(data->SysButtons.begin(), std::move(own));
    HWND wnd = NewWindow();
    TWinSkinForm skinner(wnd, &host_);
    ShowSkinned(skinner, *data);
    EXPECT_GT(seen.visibilityQuestions, 0);
    TWinSysButton* button = ButtonWithAction(skinner, kOwnAction);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(40, button->Bounds.Left);
    EXPECT_EQ(50, button->Bounds.Right);
    // The cell is drawn on the title.
    for (COLORREF c : PixelsOf(wnd, button->Bounds)) ASSERT_EQ(RGB(0, 200, 0), c);
    const LPARAM on = ScreenPoint(wnd, button->Bounds);
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTCAPTION, on);
    SendMessageW(wnd, WM_NCLBUTTONUP, HTCAPTION, on);
    Pump();
    EXPECT_EQ(std::vector<WPARAM>{kOwnAction}, seen.buttonActions);
    DestroyWindow(wnd);
}

// Counts the skinned system menus on screen while one is open, then closes it.
int menusSeen = -1;
void CALLBACK CountMenusAndClose(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    menusSeen = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr))
        if (IsWindowVisible(w)) ++menusSeen;
    EndMenu();
}

TEST_F(CaptionButtonTest, AltSpaceOpensTheSkinnedSystemMenuAlone) {
    auto data = Skin(2);
    HWND wnd = NewWindow();
    TWinSkinForm skinner(wnd, &host_);
    ShowSkinned(skinner, *data);
    menusSeen = -1;
    SetTimer(nullptr, 0, 300, CountMenusAndClose);
    // What the system sends for Alt+Space.
    SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, L' ');
    Pump();
    EXPECT_EQ(1, menusSeen);
    EXPECT_EQ(mcSystemMenu, host_.menuContext);
    // The system's own menu never opened after it: the command did not reach the window.
    EXPECT_TRUE(seen.sysCommands.empty());
    // The copy holds the system menu's entries: restore greyed on a normal window, close enabled.
    HMENU copy = skinner.SystemMenuCopy();
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(GetMenuItemCount(GetSystemMenu(wnd, FALSE)), GetMenuItemCount(copy));
    EXPECT_NE(0u, GetMenuState(copy, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(copy, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(copy, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    DestroyWindow(wnd);

    // A fixed frame does not size: its copy greys the entry as the system's own menu would.
    wnd = CreateWindowExW(0, ButtonWindowClass(), L"fixed", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                          60, 60, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    TWinSkinForm fixed(wnd, &host_);
    ShowSkinned(fixed, *data);
    SetTimer(nullptr, 0, 300, CountMenusAndClose);
    SendMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, L' ');
    Pump();
    ASSERT_NE(nullptr, fixed.SystemMenuCopy());
    EXPECT_NE(0u, GetMenuState(fixed.SystemMenuCopy(), SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, GetMenuState(fixed.SystemMenuCopy(), SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(fixed.SystemMenuCopy(), SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED);
    DestroyWindow(wnd);
}

}  // namespace
}  // namespace tw
