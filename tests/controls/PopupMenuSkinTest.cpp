// Popup menu windows wrapped on a real menu under Wine, at message level for what Wine does not
// draw through WM_PRINT: a popup opened by TrackPopupMenu is read from inside the menu loop
// (WM_ENTERIDLE names it) and sent WM_PRINT and WM_NCPAINT. The frame comes from the
// MenuBackground image; the caller's clip, background mode and region survive; a region wParam
// of 1 is the whole window; an xoMenuBG erase answers 1 and erases nothing; a skin without
// MenuBackground, or skinning switched off, leaves the window to the system while it still
// answers the skin query.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/FormSkinningWin.h"
#include "skin/manage/SkinManage.h"
#include "skin/manage/WinSkinPopMenu.h"
#include "tests/controls/SkinnerTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

constexpr COLORREF kMarker = RGB(1, 2, 3);

// Runs inside the menu loop of a real popup menu with its window, then closes the menu.
void WithOpenPopup(const std::function<void(HWND popup, HMENU menu)>& inside) {
    static const std::function<void(HWND, HMENU)>* current = nullptr;
    static HMENU shown = nullptr;
    static bool done = false;
    WNDCLASSW wc{};
    wc.lpszClassName = L"PopupTestOwner";
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpfnWndProc = [](HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg == WM_ENTERIDLE && wParam == MSGF_MENU && !done && current) {
            done = true;
            (*current)(reinterpret_cast<HWND>(lParam), shown);
            EndMenu();
            return 0;
        }
        return DefWindowProcW(wnd, msg, wParam, lParam);
    };
    RegisterClassW(&wc);
    const TWindowHandle owner(CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50,
                                              nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(owner);
    const TMenuHandle menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 100, L"First item");
    AppendMenuW(menu.Get(), MF_STRING, 101, L"Second item with a longer caption");
    current = &inside;
    shown = menu.Get();
    done = false;
    SetForegroundWindow(owner.Get());
    // A timer wakes the loop so that it goes idle once the popup is up.
    const UINT_PTR timer = SetTimer(owner.Get(), 1, 50, nullptr);
    TrackPopupMenu(menu.Get(), TPM_RETURNCMD, 100, 100, 0, owner.Get(), nullptr);
    KillTimer(owner.Get(), timer);
    current = nullptr;
    EXPECT_TRUE(done) << "the menu loop never went idle";
}

bool On(void*) { return true; }
bool Off(void*) { return false; }

// A memory DC the size of popup filled with kMarker.
struct TCanvas {
    explicit TCanvas(HWND popup) {
        RECT r{};
        GetWindowRect(popup, &r);
        Width = r.right - r.left;
        Height = r.bottom - r.top;
        const TWindowDC screen = ClientDC(nullptr);
        Dc = CompatibleDC(screen.Get());
        Bitmap = TBitmapHandle(CreateCompatibleBitmap(screen.Get(), Width, Height));
        Selected = Select(Dc.Get(), Bitmap.Get());
        const TBrushHandle brush(CreateSolidBrush(kMarker));
        const RECT all{0, 0, Width, Height};
        FillRect(Dc.Get(), &all, brush.Get());
    }
    int Width = 0, Height = 0;
    TMemoryDC Dc;
    TBitmapHandle Bitmap;
    TSelection Selected;
};

class PopupMenuSkinTest : public TSkinnerTest {
protected:
    // The first built-in skin with a MenuBackground image.
    static std::unique_ptr<TSkinData> MenuSkin() {
        for (int i = 0; i < 5; ++i) {
            auto data = Skin(i);
            if (data->MenuBackground && !data->MenuBackground->Image.Empty()) return data;
        }
        return nullptr;
    }
};

TEST_F(PopupMenuSkinTest, PrintAndFramePaintFromTheMenuBackground) {
    auto data = MenuSkin();
    ASSERT_TRUE(data) << "no built-in skin has a menu background";
    data->Options |= SetBit(xoMenuBG);
    const TBitmap& image = data->MenuBackground->Image;
    const COLORREF corner = image.Pixel(0, 0);
    WithOpenPopup([&](HWND popup, HMENU) {
        ASSERT_TRUE(IsWindow(popup));
        TWinSkinPopMenu wrapper;
        ASSERT_TRUE(wrapper.Wrap(popup, data.get(), nullptr, &On, nullptr));
        EXPECT_EQ(SendMessageW(popup, SKM_QUERY, 0, 0), 1);

        // Print into a DC with a clip and a background mode of the caller's own.
        TCanvas canvas(popup);
        const TRegionHandle clip(CreateRectRgn(0, 0, canvas.Width, canvas.Height));
        SelectClipRgn(canvas.Dc.Get(), clip.Get());
        SetBkMode(canvas.Dc.Get(), OPAQUE);
        SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc.Get()),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        EXPECT_EQ(GetPixel(canvas.Dc.Get(), 0, 0), corner) << "frame not from the menu background";
        EXPECT_NE(GetPixel(canvas.Dc.Get(), 1, canvas.Height - 2), kMarker);
        EXPECT_EQ(GetBkMode(canvas.Dc.Get()), OPAQUE);
        const TRegionHandle after(CreateRectRgn(0, 0, 0, 0));
        ASSERT_EQ(GetClipRgn(canvas.Dc.Get(), after.Get()), 1) << "the caller's clip was removed";
        RECT box{};
        GetRgnBox(after.Get(), &box);
        EXPECT_EQ(box.right, canvas.Width);
        EXPECT_EQ(box.bottom, canvas.Height);
        ASSERT_NE(wrapper.Background(), nullptr);

        // Erasing with xoMenuBG answers 1 and leaves the DC alone.
        TCanvas erase(popup);
        EXPECT_EQ(SendMessageW(popup, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erase.Dc.Get()), 0), 1);
        EXPECT_EQ(GetPixel(erase.Dc.Get(), erase.Width / 2, erase.Height / 2), kMarker);

        // A region handed in stays the caller's; 1 stands for the whole window.
        RECT window{};
        GetWindowRect(popup, &window);
        const TRegionHandle region(CreateRectRgnIndirect(&window));
        SendMessageW(popup, WM_NCPAINT, reinterpret_cast<WPARAM>(region.Get()), 0);
        EXPECT_EQ(GetObjectType(region.Get()), static_cast<DWORD>(OBJ_REGION)) << "the caller's region was deleted";
        const TWindowDC dc = WholeWindowDC(popup);
        SetPixel(dc.Get(), 0, 0, kMarker);
        SendMessageW(popup, WM_NCPAINT, 1, 0);
        EXPECT_EQ(GetPixel(dc.Get(), 0, 0), corner) << "a whole-window paint drew nothing";
        wrapper.Unwrap();
        EXPECT_NE(SendMessageW(popup, SKM_QUERY, 0, 0), 1);
    });
}

TEST_F(PopupMenuSkinTest, WithoutMenuBackgroundOrSkinningTheSystemDraws) {
    auto data = MenuSkin();
    ASSERT_TRUE(data);
    const COLORREF corner = data->MenuBackground->Image.Pixel(0, 0);
    WithOpenPopup([&](HWND popup, HMENU) {
        {
            TWinSkinPopMenu wrapper;
            ASSERT_TRUE(wrapper.Wrap(popup, data.get(), nullptr, &Off, nullptr));
            EXPECT_EQ(SendMessageW(popup, SKM_QUERY, 0, 0), 1);
            TCanvas canvas(popup);
            SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc.Get()), PRF_NONCLIENT | PRF_CLIENT);
            EXPECT_EQ(wrapper.Background(), nullptr) << "skinning off still rendered";
        }
        data->MenuBackground.reset();
        TWinSkinPopMenu wrapper;
        ASSERT_TRUE(wrapper.Wrap(popup, data.get(), nullptr, &On, nullptr));
        EXPECT_EQ(SendMessageW(popup, SKM_QUERY, 0, 0), 1);
        TCanvas canvas(popup);
        SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc.Get()), PRF_NONCLIENT | PRF_CLIENT);
        SendMessageW(popup, WM_NCPAINT, 1, 0);
        EXPECT_EQ(wrapper.Background(), nullptr);
        static_cast<void>(corner);
    });
}

// Through the manager: a popup menu is wrapped while open and freed with its window, the menu
// code's binding finds its background, a system menu without xcSystemMenu stays standard, and
// GDI and USER objects stay flat over 200 openings.
TEST_F(PopupMenuSkinTest, TheManagerWrapsPopupsOfTheKindsItSkins) {
    FreeSkinManager();
    auto data = MenuSkin();
    ASSERT_TRUE(data);
    data->SetActive(true);
    ASSERT_TRUE(SkinManager() && SkinManager()->FSkinning);
    auto& skinning = static_cast<TWinFormSkinning&>(SkinManager()->FormSkinning());
    TSkinManage& manager = *SkinManager();

    WithOpenPopup([&](HWND popup, HMENU menu) {
        EXPECT_EQ(SendMessageW(popup, SKM_QUERY, 0, 0), 1) << "an open popup menu is skinned";
        EXPECT_TRUE(skinning.IsPopupWrapped(popup));
        manager.BindPopupMenu(menu);
        TCanvas canvas(popup);
        SendMessageW(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc.Get()), PRF_NONCLIENT | PRF_CLIENT);
        EXPECT_NE(manager.PopupBackground(menu), nullptr);
        EXPECT_EQ(manager.PopupBackground(nullptr), nullptr);
    });
    EXPECT_EQ(skinning.PopupCount(), 0) << "the wrapper outlived its window";

    data->SkinControls &= ~SetBit(xcSystemMenu);
    manager.SetMenuContext(mcSystemMenu);
    WithOpenPopup([&](HWND popup, HMENU) { EXPECT_NE(SendMessageW(popup, SKM_QUERY, 0, 0), 1); });
    manager.SetMenuContext(mcPopup);

    const auto open = [&] { WithOpenPopup([&](HWND popup, HMENU) { SendMessageW(popup, WM_NCPAINT, 1, 0); }); };
    if (!ExpectObjectCountsFlat(5, 200, [&](int) { open(); })) GTEST_SKIP() << "no GDI handle table to read";
    EXPECT_EQ(skinning.PopupCount(), 0);
    data->SetActive(false);
    FreeSkinManager();
}

}  // namespace
}  // namespace tw
