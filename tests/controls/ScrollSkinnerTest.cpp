// Skinned scroll bars on real windows under Wine: a framework form's long list view (set up as
// the main window's) gets panels exactly over the system's bars, right above the list, that hide
// and show with it, light the part the system operates and follow the list through a re-creation;
// its header is skinned and lights the column under the mouse, a row repaint leaves the bars
// alone. No panel outlives its window, whether or not its skinner has gone yet; a skin switch in the middle of the
// system's scroll-drag loop frees the skinner and its panels under the press that started the loop; and the process's
// GDI and USER objects stay flat over 200 skin switches with the list present.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Forms.h"
#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "skin/controls/ChildSkinning.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"
#include "skin/package/SkinStore.h"
#include "tests/controls/SkinnerTest.h"
#include "tests/support/ApplicationTest.h"
#include "tests/support/GuiObjectCount.h"

// While a guard is on, every allocation gets pages of its own that are decommitted when it is
// freed: touching a freed object then faults at once instead of reading stale memory.
namespace guardheap {
bool on = false;
constexpr int kMaxBlocks = 8192;
void* blocks[kMaxBlocks];
int count = 0;

void* Allocate(std::size_t n) {
    if (on && count < kMaxBlocks) {
        const std::size_t size = (n + 4095) / 4096 * 4096 + 4096;
        void* p = VirtualAlloc(nullptr, size ? size : 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (p) {
            blocks[count++] = p;
            return p;
        }
    }
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}

void Free(void* p) noexcept {
    if (!p) return;
    for (int i = 0; i < count; ++i)
        if (blocks[i] == p) {
            // Kept reserved, so the addresses are never handed out again.
            VirtualFree(p, 0, MEM_DECOMMIT);
            blocks[i] = nullptr;
            return;
        }
    std::free(p);
}

struct TGuard {
    TGuard() { on = true; }
    ~TGuard() { on = false; }
};

// A fault on a freed block ends the test at once with a clear word instead of a debugger.
LONG CALLBACK OnFault(EXCEPTION_POINTERS* e) {
    if (e->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION) return EXCEPTION_CONTINUE_SEARCH;
    std::fputs("FAILED: a freed object was touched\n", stderr);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

struct TFaultWatch {
    TFaultWatch() : handler(AddVectoredExceptionHandler(1, &OnFault)) {}
    ~TFaultWatch() { RemoveVectoredExceptionHandler(handler); }
    void* handler;
};
}  // namespace guardheap

void* operator new(std::size_t n) { return guardheap::Allocate(n); }
void* operator new[](std::size_t n) { return guardheap::Allocate(n); }
void operator delete(void* p) noexcept { guardheap::Free(p); }
void operator delete[](void* p) noexcept { guardheap::Free(p); }
void operator delete(void* p, std::size_t) noexcept { guardheap::Free(p); }
void operator delete[](void* p, std::size_t) noexcept { guardheap::Free(p); }

namespace tw {
namespace {

RECT BarRect(HWND wnd, LONG which) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(wnd, which, &info);
    return info.rcScrollBar;
}

RECT WindowRectOf(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The pixel in the middle of the square between a window's two bars.
COLORREF CornerColour(HWND wnd) {
    const RECT v = BarRect(wnd, OBJID_VSCROLL), h = BarRect(wnd, OBJID_HSCROLL);
    const RECT w = WindowRectOf(wnd);
    const TWindowDC dc = WholeWindowDC(wnd);
    return GetPixel(dc.Get(), (v.left + v.right) / 2 - w.left, (h.top + h.bottom) / 2 - w.top);
}

int TopIndex(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

class ScrollSkinnerTest : public TSkinnerTest {
protected:
    // The first built-in skin that has the scroll-bar strip.
    int ScrollSkin() {
        for (int i = 0; i < 5; ++i)
            if (auto data = Skin(i); data->Scrollbar && !data->Scrollbar->Image.Empty()) return i;
        return -1;
    }

    // A form with a list view set up as the main window's, 300 rows and columns wider than it.
    struct TListForm {
        explicit TListForm(TComponent* owner, TBorderStyle border = TBorderStyle::bsNone) : form(new TForm(owner)) {
            form->SetClientWidth(360);
            form->SetClientHeight(200);
            list = new TListView(form);
            list->SetParent(form);
            list->SetBounds(10, 10, 335, 150);
            list->SetViewStyle(TViewStyle::vsReport);
            list->SetBorderStyle(border);
            list->SetGridLines(true);
            list->SetRowSelect(true);
            list->SetReadOnly(true);
            list->SetOwnerData(true);
            list->SetColumns({{L"文件路径", 300, false}, {L"状态", 120, false}});
            list->OnData = [](TObject*, TListItem& item) {
                item.Caption = L"C:\\Videos\\第 " + std::to_wstring(item.Index) + L" 个文件.rmvb";
                item.SubItems = {L"完成"};
            };
            list->SetItemCount(300);
            form->HandleNeeded();
        }
        ~TListForm() { delete form; }
        TForm* form;
        TListView* list;
    };
};

TEST_F(ScrollSkinnerTest, PanelsLieOverTheListsBarsFollowItAndItsHeaderIsSkinned) {
    const int index = ScrollSkin();
    ASSERT_GE(index, 0) << "no built-in skin has a scroll-bar strip";
    auto data = Skin(index);
    TListForm sample(app_);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner.ActivateNow();
    Pump();
    HWND list = sample.list->Handle();
    ASSERT_EQ(1, Query(list));
    TSkinListView* s = SkinnerOf<TSkinListView>(skinner, list);
    ASSERT_NE(nullptr, s);
    ASSERT_NE(nullptr, s->Header());
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(1, Query(header)) << "the list's header is not skinned";
    EXPECT_FALSE(s->DrawsBorder()) << "a list without a border got one";

    // Both panels exactly over the system's bars, directly above the list.
    auto placedOverBars = [&](const char* when) {
        for (TWScrollbar* panel : {s->HorizontalPanel(), s->VerticalPanel()}) {
            ASSERT_NE(nullptr, panel) << when;
            const RECT bar = BarRect(sample.list->Handle(), panel->Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL);
            EXPECT_TRUE(panel->Shown()) << when;
            EXPECT_TRUE(IsWindowVisible(panel->Handle())) << when;
            EXPECT_TRUE(Same(bar, WindowRectOf(panel->Handle())))
                << when << ": bar " << Text(bar) << " panel " << Text(WindowRectOf(panel->Handle()));
            // Right above the list: only the other panel may lie between them.
            HWND below = GetWindow(panel->Handle(), GW_HWNDNEXT);
            if (below == s->HorizontalPanel()->Handle() || below == s->VerticalPanel()->Handle())
                below = GetWindow(below, GW_HWNDNEXT);
            EXPECT_EQ(sample.list->Handle(), below) << when;
        }
    };
    placedOverBars("after attaching");
    // The square between the bars shows the skin's face.
    const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
    EXPECT_EQ(face, CornerColour(sample.list->Handle())) << "the corner between the bars is not in the skin's face";

    sample.list->SetVisible(false);
    Pump();
    for (TWScrollbar* panel : {s->HorizontalPanel(), s->VerticalPanel()}) {
        EXPECT_FALSE(panel->Shown());
        EXPECT_FALSE(IsWindowVisible(panel->Handle())) << "a panel stayed over a hidden list";
    }
    sample.list->SetVisible(true);
    Pump();
    placedOverBars("shown again");
    sample.list->SetBounds(10, 10, 300, 170);
    Pump();
    placedOverBars("resized");

    // The part the system operates is lit until it ends the operation.
    SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(1, TopIndex(list));
    EXPECT_EQ(spSecondArrow, s->VerticalPanel()->HotPart());
    SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(spNone, s->VerticalPanel()->HotPart());
    // The form moves: the list does not hear of it, the corner is still found.
    SetWindowPos(sample.form->Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(face, CornerColour(list)) << "the corner after the form moved";
    // The panel finds the parts where the system has them.
    {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(list, OBJID_VSCROLL, &info);
        const int middle = (info.xyThumbTop + info.xyThumbBottom) / 2;
        EXPECT_EQ(spThumb, s->VerticalPanel()->HitTest(POINT{4, middle}));
        EXPECT_EQ(spFirstArrow, s->VerticalPanel()->HitTest(POINT{4, 1}));
        EXPECT_EQ(spTrackAfter, s->VerticalPanel()->HitTest(POINT{4, info.xyThumbBottom + 1}));
    }
    // A row repainted leaves the bars alone; a scroll that came by no scroll message repaints
    // the bar whose thumb moved.
    {
        Pump();
        HWND vertical = s->VerticalPanel()->Handle(), horizontal = s->HorizontalPanel()->Handle();
        sample.list->RepaintRow(2);
        UpdateWindow(list);
        EXPECT_FALSE(GetUpdateRect(vertical, nullptr, FALSE)) << "a row repaint repainted the vertical bar";
        EXPECT_FALSE(GetUpdateRect(horizontal, nullptr, FALSE)) << "a row repaint repainted the horizontal bar";
        SendMessageW(list, LVM_ENSUREVISIBLE, 120, FALSE);
        UpdateWindow(list);
        EXPECT_TRUE(GetUpdateRect(vertical, nullptr, FALSE)) << "the vertical bar missed a scroll";
        Pump();
    }

    // The header lights the column under the mouse, and nothing once the mouse leaves.
    RECT second{};
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(second.left + 10, 5));
    EXPECT_EQ(1, s->Header()->HotItem());
    SendMessageW(header, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(-1, s->Header()->HotItem());

    // A re-created list keeps its skinner, header and panels; the old panels do not stay.
    sample.list->RecreateWnd();
    Pump();
    ASSERT_NE(list, sample.list->Handle());
    list = sample.list->Handle();
    EXPECT_EQ(1, Query(list)) << "the re-created list is not skinned";
    EXPECT_EQ(s, SkinnerOf<TSkinListView>(skinner, list));
    header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(1, Query(header));
    placedOverBars("re-created");
    EXPECT_EQ(2, PanelsUnder(sample.form->Handle()));

    skinner.Detach();
    EXPECT_EQ(0, PanelsUnder(sample.form->Handle()));
}

TEST_F(ScrollSkinnerTest, NoPanelOutlivesItsWindowWhetherOrNotItsSkinnerIsFreed) {
    const int index = ScrollSkin();
    ASSERT_GE(index, 0);
    auto data = Skin(index);
    // A framework list with a border, and a bare list view skinned as a bare window.
    TListForm sample(app_, TBorderStyle::bsSingle);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner.ActivateNow();
    HWND bare = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 165, 200, 30,
                                sample.form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, bare);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 400;
    column.pszText = const_cast<wchar_t*>(L"Wide");
    SendMessageW(bare, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    auto owned = std::make_unique<TSkinScrollbarH>();
    TSkinScrollbarH* h = owned.get();
    skinner.AddSkinner(std::move(owned));
    h->AttachWindow(bare, *data, skinner);
    ASSERT_TRUE(h->Attached());
    EXPECT_EQ(1, Query(bare));
    Pump();
    EXPECT_TRUE(h->HorizontalPanel()->Shown()) << "the bare list's bar got no panel";
    EXPECT_TRUE(SkinnerOf<TSkinListView>(skinner, sample.list->Handle())->DrawsBorder());
    const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
    SendMessageW(sample.list->Handle(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(face, CornerColour(sample.list->Handle())) << "the corner of a list with a border";
    EXPECT_EQ(4, PanelsUnder(sample.form->Handle()));

    // The windows go; their skinners wait in the list for the next sweep.
    DestroyWindow(bare);
    EXPECT_EQ(2, PanelsUnder(sample.form->Handle())) << "the bare list left its panels";
    DestroyWindow(sample.list->Handle());
    EXPECT_EQ(0, PanelsUnder(sample.form->Handle())) << "the framework list left its panels";
    EXPECT_EQ(3u, skinner.Skinners().size());  // the two and the form's edge-colour keeper
    skinner.SweepSkinners();
    EXPECT_EQ(1u, skinner.Skinners().size());
    skinner.Detach();
}

// Counts the messages a layer above the skinners sees.
LRESULT CALLBACK CountingLayer(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

TEST_F(ScrollSkinnerTest, MissingScrollPartsAreSkippedAndALayerAboveTheHeaderSkinnerOutlivesIt) {
    const int index = ScrollSkin();
    ASSERT_GE(index, 0);
    auto data = Skin(index);
    // Only the arrows and grips: no track and no thumb objects.
    data->VertScroll.reset();
    data->HorzScroll.reset();
    data->VertScrollThumb.reset();
    data->HorzScrollThumb.reset();
    TListForm sample(app_);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner.ActivateNow();
    Pump();
    TSkinListView* s = SkinnerOf<TSkinListView>(skinner, sample.list->Handle());
    ASSERT_NE(nullptr, s);
    for (TWScrollbar* panel : {s->HorizontalPanel(), s->VerticalPanel()}) {
        ASSERT_TRUE(panel->Shown());
        RECT r{};
        GetClientRect(panel->Handle(), &r);
        const TWindowDC screen = ClientDC(nullptr);
        const TMemoryDC dc = CompatibleDC(screen.Get());
        const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), r.right, r.bottom));
        const TSelection selected = Select(dc.Get(), bitmap.Get());
        SendMessageW(panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        // The arrows are drawn over the face; the rest is the face.
        const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
        int other = 0;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) other += GetPixel(dc.Get(), x, y) != face;
        EXPECT_GT(other, 20) << "no arrows drawn";
    }

    // A layer installed on the header above its skinner keeps its messages after the skin goes.
    HWND header = reinterpret_cast<HWND>(SendMessageW(sample.list->Handle(), LVM_GETHEADER, 0, 0));
    int seen = 0;
    ASSERT_TRUE(SetWindowSubclass(header, &CountingLayer, 1, reinterpret_cast<DWORD_PTR>(&seen)));
    // Without the scroll-bar strip the panels stand aside for the system's bars.
    data->Scrollbar.reset();
    s->SkinChanged();
    EXPECT_FALSE(s->HorizontalPanel()->Shown());
    EXPECT_FALSE(IsWindowVisible(s->VerticalPanel()->Handle()));
    skinner.Detach();
    EXPECT_EQ(0, Query(header));
    const int before = seen;
    InvalidateRect(header, nullptr, TRUE);
    UpdateWindow(header);
    EXPECT_GT(seen, before) << "the layer above the header skinner lost its messages";
    RemoveWindowSubclass(header, &CountingLayer, 1);
    EXPECT_EQ(0, PanelsUnder(sample.form->Handle()));
}

// The manager's timer runs inside every modal loop: a skin switch may free the skinner and its
// panels while the system tracks a press the panel handed over.
struct TLoopEnd {
    static inline std::unique_ptr<TWinSkinForm>* skinner = nullptr;
    static inline HWND list = nullptr;
    static inline bool fired = false;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        fired = true;
        (*skinner)->Detach();
        skinner->reset();
        PostMessageW(list, WM_LBUTTONUP, 0, 0);
    }
};

TEST_F(ScrollSkinnerTest, ASkinSwitchInsideTheScrollLoopFreesThePanelUnderItsOwnPress) {
    const int index = ScrollSkin();
    ASSERT_GE(index, 0);
    auto data = Skin(index);
    TListForm sample(app_);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    const guardheap::TFaultWatch watch;
    std::unique_ptr<TWinSkinForm> skinner;
    {
        const guardheap::TGuard guard;
        skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
        skinner->AttachToForm(data.get(), sample.form);
        skinner->ActivateNow();
    }
    HWND list = sample.list->Handle();
    TSkinListView* s = SkinnerOf<TSkinListView>(*skinner, list);
    ASSERT_NE(nullptr, s);
    HWND panel = s->VerticalPanel()->Handle();
    RECT r{};
    GetClientRect(panel, &r);
    TLoopEnd::skinner = &skinner;
    TLoopEnd::list = list;
    TLoopEnd::fired = false;
    SetTimer(nullptr, 0, 20, &TLoopEnd::Tick);
    // A press on the down arrow: the system's loop runs inside and ends on the posted release.
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom - 2));
    EXPECT_TRUE(TLoopEnd::fired);
    EXPECT_EQ(nullptr, skinner);
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(0, Query(list));
    EXPECT_GE(TopIndex(list), 1) << "the press did not reach the system's bar";
    Pump();
}

TEST_F(ScrollSkinnerTest, ObjectCountsStayFlatOver200SkinSwitchesWithTheList) {
    auto data = Skin(0);
    TListForm sample(app_, TBorderStyle::bsSingle);
    auto skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
    skinner->AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner->ActivateNow();
    auto cycle = [&](int i) {
        data->LoadFromStore(store_, i % 5);
        skinner->ReapplySkin();
        SendMessageW(sample.list->Handle(), WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(sample.form->Handle());
        if (i % 25 == 24) {
            skinner->Detach();
            skinner = std::make_unique<TWinSkinForm>(sample.form->Handle(), nullptr);
            skinner->AttachToForm(data.get(), sample.form);
            skinner->ActivateNow();
        }
        Pump();
    };
    if (!ExpectObjectCountsFlat(25, 200, cycle)) GTEST_SKIP() << "no GDI handle table to read";
    EXPECT_EQ(2, PanelsUnder(sample.form->Handle()));
    skinner->Detach();
    EXPECT_EQ(0, PanelsUnder(sample.form->Handle()));
}

}  // namespace
}  // namespace tw
