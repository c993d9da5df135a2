// The form skinner on a raw MDI frame and its children under Wine, with and without the skin's
// MDI options: the frame finds its client and takes the client's scroll bars away unless the
// skin keeps them; children get the skin's frame unless the skin keeps the system's; a maximised
// child hides its frame, puts its buttons into the frame's menu band and switches the maximised
// mode on, its icon leads the band and opens its system menu, a restored one gets its skinned
// frame back; each child's detach gives back its size.
// The client's sunken edge is drawn in the skin's colours while the frame is skinned, and a
// control made in a child after the child showed is skinned by the posted activation.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/Graphics.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/package/SkinStore.h"
#include "tests/form/FormTestKit.h"
#include "tests/support/ApplicationTest.h"

namespace tw {
namespace {

HWND mdiClient = nullptr;

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcW(wnd, mdiClient, msg, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(wnd, msg, wParam, lParam);
}

// The skin manager's part in the MDI branches: the maximised mode, followed by every child, and
// never on while children keep the system's frames.
class TMdiHost : public TRecordingHost {
public:
    void RecordMdiFrame(void* client, void*) override { recordedClient = client; }
    void* MdiClient() const override { return recordedClient; }
    bool MdiChildrenMaximised() const override { return maximised; }
    void SetMdiChildrenMaximised(bool state) override {
        if (state == maximised || childBorders) return;
        maximised = state;
        for (TWinSkinForm* child : children) child->FollowMdiMaximised(state);
    }
    void* recordedClient = nullptr;
    bool maximised = false;
    bool childBorders = false;
    std::vector<TWinSkinForm*> children;
};

RECT ClientOnScreen(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    MapWindowPoints(wnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The frame around the client: left, top, right, bottom.
RECT FrameOf(HWND wnd) {
    RECT window{};
    GetWindowRect(wnd, &window);
    const RECT client = ClientOnScreen(wnd);
    return RECT{client.left - window.left, client.top - window.top, window.right - client.right,
                window.bottom - client.bottom};
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A pixel of a window's whole area, as it is on the screen.
COLORREF PixelOf(HWND wnd, int x, int y) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(wnd);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return pixel;
}

// Counts the popup menus shown and ends the menu loop.
int popupsSeen = 0;
void CALLBACK CountAndEndMenu(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND popup = FindWindowW(L"#32768", nullptr); popup; popup = FindWindowExW(nullptr, popup, L"#32768", nullptr))
        if (IsWindowVisible(popup)) ++popupsSeen;
    EndMenu();
}

const TWinSysButton* BandButton(const TWinSkinForm& frame, int action) {
    for (const auto& b : frame.Buttons())
        if (b->Action() == action && b->Skin.Visibility == kMenuBandVisibility) return b.get();
    return nullptr;
}

class MdiSkinTest : public TApplicationTest {
protected:
    static void SetUpTestSuite() {
        TApplicationTest::SetUpTestSuite();
        InstallControlSkinners();
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
    }
    static void TearDownTestSuite() {
        delete store_;
        TApplicationTest::TearDownTestSuite();
    }

    void SetUp() override {
        menu_ = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, 100, L"&New");
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
        frame_ = CreateWindowExW(0, TestWindowClass(L"TwMdiTestFrame", FrameProc), L"frame",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 20, 20, 640, 480, nullptr, menu_,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, frame_);
        CLIENTCREATESTRUCT create{nullptr, 0xFF00};
        RECT area{};
        GetClientRect(frame_, &area);
        mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                    WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, area.right,
                                    area.bottom, frame_, nullptr, GetModuleHandleW(nullptr), &create);
        ASSERT_NE(nullptr, mdiClient);
        TestWindowClass(L"TwMdiTestChild", ChildProc);
    }
    void TearDown() override {
        if (frame_) DestroyWindow(frame_);
        mdiClient = nullptr;
    }

    HWND NewChild(int x) {
        MDICREATESTRUCTW create{};
        create.szClass = L"TwMdiTestChild";
        create.szTitle = L"child";
        create.hOwner = GetModuleHandleW(nullptr);
        create.x = x;
        create.y = x;
        create.cx = 300;
        create.cy = 200;
        create.style = WS_OVERLAPPEDWINDOW;
        return reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }

    static inline TSkinStore* store_ = nullptr;
    HWND frame_ = nullptr;
    HMENU menu_ = nullptr;
};

TEST_F(MdiSkinTest, FrameAndChildrenFollowTheSkinsMdiOptions) {
    struct Case {
        const char* what;
        TSkinOptions options;
        bool barsKept, childFrameSkinned;
    };
    const Case cases[] = {
        {"the skin's default options", kDefaultSkinOptions, false, true},
        {"client scroll bars kept", kDefaultSkinOptions | SetBit(xoMDIScrollbar), true, true},
        {"children keep the system's frames", kDefaultSkinOptions | SetBit(xoMDIChildBorder), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        TSkinData data(nullptr);
        data.LoadFromStore(store_, 2);
        data.Options = c.options;
        TMdiHost host;
        host.childBorders = InSet(c.options, xoMDIChildBorder);

        TWinSkinForm frame(frame_, &host);
        frame.AttachToWindow(&data);
        frame.ActivateNow();
        EXPECT_EQ(fkMdiFrame, frame.FrameKind());
        EXPECT_EQ(mdiClient, frame.MdiClient());
        EXPECT_EQ(mdiClient, host.recordedClient);
        ASSERT_NE(nullptr, frame.MenuBar());
        const LONG_PTR bars = GetWindowLongPtrW(mdiClient, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL);
        EXPECT_EQ(c.barsKept, bars != 0);
        // Both rings of the client's edge, at the top, from the skin.
        EXPECT_EQ(ColorToRGB(ResolveColor(data.Colours.ButtonShadow)), PixelOf(mdiClient, 20, 0));
        EXPECT_EQ(ColorToRGB(ResolveColor(data.Colours.ButtonDkShadow)), PixelOf(mdiClient, 20, 1));

        HWND child = NewChild(10);
        ASSERT_NE(nullptr, child);
        const RECT systemFrame = FrameOf(child);
        RECT client0{};
        GetClientRect(child, &client0);
        TWinSkinForm skinner(child, &host);
        host.children.push_back(&skinner);
        skinner.AttachToWindow(&data);
        skinner.ActivateNow();
        EXPECT_EQ(fkMdiChild, skinner.FrameKind());
        EXPECT_EQ(c.childFrameSkinned, skinner.SkinFrame());
        EXPECT_EQ(1, SendMessageW(child, SKM_QUERY, 0, 0));
        // A control the child gets after it showed is found when the posted activation comes.
        HWND button = CreateWindowExW(0, L"BUTTON", L"late", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                      child, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_EQ(0, SendMessageW(button, SKM_QUERY, 0, 0));
        SendMessageW(child, SKM_ACTIVATE, 0, kActivateTag);
        EXPECT_EQ(1, SendMessageW(button, SKM_QUERY, 0, 0));
        const TFrameMetrics& m = skinner.Metrics();
        const RECT skinFrame{m.BorderLeft, m.TitleHeight + m.MenuHeight, m.BorderRight, m.BorderBottom};
        EXPECT_TRUE(SameRect(c.childFrameSkinned ? skinFrame : systemFrame, FrameOf(child)));
        RECT client{};
        GetClientRect(child, &client);
        EXPECT_EQ(client0.right, client.right);
        EXPECT_EQ(client0.bottom, client.bottom);

        // Maximised: the frame out of sight, the buttons in the band, the mode on.
        SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
        EXPECT_TRUE(IsZoomed(child));
        EXPECT_TRUE(SameRect(ClientOnScreen(mdiClient), ClientOnScreen(child)));
        EXPECT_TRUE(frame.ActiveMdiChildMaximised());
        EXPECT_EQ(c.childFrameSkinned, host.maximised);
        RECT window{};
        GetWindowRect(frame_, &window);
        frame.LayoutButtons(window.right - window.left);
        for (int action : {caMdiMinimize, caMdiRestore, caMdiClose}) {
            const TWinSysButton* button = BandButton(frame, action);
            ASSERT_NE(nullptr, button) << "action " << action;
            EXPECT_TRUE(button->Visible) << "action " << action;
            // In the band, at its right end.
            EXPECT_GE(button->Bounds.Top, frame.Metrics().TitleHeight);
            EXPECT_LE(button->Bounds.Bottom, frame.Metrics().TitleHeight + frame.Metrics().MenuHeight);
            EXPECT_GT(button->Bounds.Left, (window.right - window.left) / 2);
        }
        EXPECT_EQ(0, SendMessageW(mdiClient, SKM_MDIREFRESH, reinterpret_cast<WPARAM>(child), 0));

        // The child's icon leads the band, ahead of the frame's items; it opens the child's
        // system menu, the skinned copy when the child is skinned.
        RedrawWindow(frame_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const TMdiChildIcon& icon = frame.MenuBar()->ChildIcon();
        EXPECT_TRUE(icon.Visible);
        EXPECT_EQ(child, icon.Child);
        EXPECT_GE(icon.Bounds.Top, frame.Metrics().TitleHeight);
        EXPECT_LE(icon.Bounds.Right, frame.MenuBar()->Item(0)->Bounds.Left);
        const POINT onIcon{(icon.Bounds.Left + icon.Bounds.Right) / 2, (icon.Bounds.Top + icon.Bounds.Bottom) / 2};
        EXPECT_EQ(&icon, frame.FindObject(onIcon));
        popupsSeen = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 300, CountAndEndMenu);
        EXPECT_TRUE(frame.MenuBar()->OpenChildSystemMenu());
        KillTimer(nullptr, timer);
        EXPECT_EQ(1, popupsSeen);
        if (c.childFrameSkinned) {
            EXPECT_NE(nullptr, skinner.SystemMenuCopy());
        }

        // Restored: the skinned frame again, the band's buttons hidden, the mode off.
        SendMessageW(mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
        EXPECT_FALSE(IsZoomed(child));
        SendMessageW(child, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(host.maximised);
        EXPECT_TRUE(SameRect(c.childFrameSkinned ? skinFrame : systemFrame, FrameOf(child)));
        frame.LayoutButtons(window.right - window.left);
        EXPECT_FALSE(BandButton(frame, caMdiClose)->Visible);
        RedrawWindow(frame_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_FALSE(frame.MenuBar()->ChildIcon().Visible);
        EXPECT_FALSE(frame.MenuBar()->OpenChildSystemMenu());

        // Detached: the system's frame around the same client.
        skinner.Detach();
        host.children.clear();
        EXPECT_TRUE(SameRect(systemFrame, FrameOf(child)));
        GetClientRect(child, &client);
        EXPECT_EQ(client0.right, client.right);
        EXPECT_EQ(client0.bottom, client.bottom);
        frame.Detach();
        EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), PixelOf(mdiClient, 20, 0));
        EXPECT_EQ(frame_, GetParent(mdiClient));
        EXPECT_EQ(menu_, GetMenu(frame_));
    }
}

}  // namespace
}  // namespace tw
