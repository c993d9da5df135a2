// The handle owners: each handle freed exactly once whatever the owner goes through (move,
// reset, release, out-parameter), and every kind really freeing its handle under Wine.
#include "framework/win/Handles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tw {
namespace {

// A kind whose frees are recorded, with a state carried like a window DC's window.
std::vector<std::pair<int, int>> freed;  // (handle, state)

struct TCountingTraits {
    using Handle = int;
    static int Invalid() { return 0; }
    static bool IsValid(int h) { return h > 0; }
    explicit TCountingTraits(int state = 0) : State(state) {}
    void Free(int h) const { freed.emplace_back(h, State); }
    int State;
};
using TCounted = TUniqueHandle<TCountingTraits>;

class HandleOwner : public ::testing::Test {
protected:
    void SetUp() override { freed.clear(); }
    using Frees = std::vector<std::pair<int, int>>;
};

TEST_F(HandleOwner, EveryHandleIsFreedExactlyOnceWithItsOwnState) {
    {
        TCounted a(1, TCountingTraits(10));
        TCounted invalid(-1);  // not a real value: held as none, never freed
        EXPECT_FALSE(invalid);
        EXPECT_EQ(invalid.Get(), 0);

        TCounted b(std::move(a));  // the handle and its state move together
        EXPECT_FALSE(a);
        EXPECT_EQ(b.Get(), 1);

        TCounted c(2, TCountingTraits(20));
        c = std::move(b);  // c's own handle goes first, with c's state
        EXPECT_EQ(freed, (Frees{{2, 20}}));
        EXPECT_EQ(c.Get(), 1);

        TCounted& same = c;
        c = std::move(same);  // moving onto itself keeps it
        EXPECT_EQ(c.Get(), 1);
        EXPECT_EQ(freed.size(), 1u);

        c.Reset(3);  // frees 1 with the state moved from a
        EXPECT_EQ(freed, (Frees{{2, 20}, {1, 10}}));

        TCounted d(4);
        EXPECT_EQ(d.Release(), 4);  // handed on: never freed here
        EXPECT_FALSE(d);

        TCounted e(5, TCountingTraits(50));
        *e.Receive() = 6;  // an API call filling an out-parameter: 5 is freed first
        EXPECT_EQ(freed.back(), std::make_pair(5, 50));
        EXPECT_EQ(e.Get(), 6);

        TCounted f(7);
        f.Reset();
        f.Reset();  // a second reset of an empty owner frees nothing
    }
    // Leaving the scope frees what is still held, in reverse order of declaration.
    EXPECT_EQ(freed, (Frees{{2, 20}, {1, 10}, {5, 50}, {7, 0}, {6, 50}, {3, 10}}));
}

HWND MakeWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One case per kind: make a real handle, let an owner free it, and ask the system whether it
// still exists.
struct TKindCase {
    const char* kind;
    std::function<bool()> freedWhenOwnerGoes;
};

TEST(HandleKinds, EachKindReallyFreesItsHandle) {
    const TKindCase cases[] = {
        {"kernel event",
         [] {
             HANDLE h = CreateEventW(nullptr, TRUE, FALSE, nullptr);
             { THandle owner(h); }
             DWORD flags = 0;
             return h && !GetHandleInformation(h, &flags);
         }},
        {"kernel INVALID_HANDLE_VALUE is none",
         [] {
             THandle owner(INVALID_HANDLE_VALUE);
             return !owner && owner.Get() == nullptr;
         }},
        {"brush",
         [] {
             HBRUSH h = CreateSolidBrush(RGB(1, 2, 3));
             { TBrushHandle owner(h); }
             return h && GetObjectType(h) == 0;
         }},
        {"pen",
         [] {
             HPEN h = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
             { TPenHandle owner(h); }
             return h && GetObjectType(h) == 0;
         }},
        {"bitmap",
         [] {
             HBITMAP h = CreateBitmap(4, 4, 1, 32, nullptr);
             { TBitmapHandle owner(h); }
             return h && GetObjectType(h) == 0;
         }},
        {"region",
         [] {
             HRGN h = CreateRectRgn(0, 0, 4, 4);
             { TRegionHandle owner(h); }
             return h && GetObjectType(h) == 0;
         }},
        {"font",
         [] {
             LOGFONTW lf{};
             lf.lfHeight = -12;
             HFONT h = CreateFontIndirectW(&lf);
             { TFontHandle owner(h); }
             return h && GetObjectType(h) == 0;
         }},
        {"memory DC",
         [] {
             HDC h = nullptr;
             {
                 TMemoryDC owner = CompatibleDC(nullptr);
                 h = owner.Get();
                 if (GetObjectType(h) != OBJ_MEMDC) return false;
             }
             return h && GetObjectType(h) == 0;
         }},
        {"window DC goes back to its window",
         [] {
             TWindowHandle wnd(MakeWindow());
             HDC h = nullptr;
             {
                 TWindowDC dc = ClientDC(wnd.Get());
                 h = dc.Get();
                 if (WindowFromDC(h) != wnd.Get()) return false;
             }
             return h && !ReleaseDC(wnd.Get(), h);  // giving it back again fails: it was given back
         }},
        {"local memory",
         [] {
             HLOCAL h = LocalAlloc(LMEM_MOVEABLE, 64);
             { TLocalMemory<void> owner(h); }
             return h && LocalFlags(h) == LMEM_INVALID_HANDLE;
         }},
        {"hook",
         [] {
             HHOOK h = SetWindowsHookExW(WH_CBT, PassOn, nullptr, GetCurrentThreadId());
             { THookHandle owner(h); }
             return h && !UnhookWindowsHookEx(h);
         }},
        {"icon",
         [] {
             const BYTE andMask[4 * 4 / 8 * 4] = {}, xorMask[4 * 4 / 8 * 4] = {};
             HICON h = CreateIcon(GetModuleHandleW(nullptr), 4, 4, 1, 1, andMask, xorMask);
             { TIconHandle owner(h); }
             ICONINFO info{};
             return h && !GetIconInfo(h, &info);
         }},
        {"menu",
         [] {
             HMENU h = CreatePopupMenu();
             { TMenuHandle owner(h); }
             return h && !IsMenu(h);
         }},
        {"window",
         [] {
             HWND h = MakeWindow();
             { TWindowHandle owner(h); }
             return h && !IsWindow(h);
         }},
    };
    for (const TKindCase& c : cases) EXPECT_TRUE(c.freedWhenOwnerGoes()) << c.kind;
}

TEST(HandleKinds, SelectionsAndSavedStatesRestoreTheDC) {
    TMemoryDC dc = CompatibleDC(nullptr);
    ASSERT_TRUE(dc);
    const HGDIOBJ stockBrush = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    TBrushHandle red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
    {
        TSelection first = Select(dc.Get(), red.Get());
        EXPECT_EQ(first.Get(), stockBrush);  // holds what it replaced
        {
            TSelection second = Select(dc.Get(), blue.Get());
            EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), blue.Get());
            TSelection moved(std::move(second));  // still restores once, from its new owner
        }
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), red.Get());
        TSelection nothing = Select(dc.Get(), nullptr);  // selects nothing, restores nothing
        EXPECT_FALSE(nothing);
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), stockBrush);
    // Deselected, so deleting them now really deletes them.
    const HBRUSH redHandle = red.Get();
    red.Reset();
    EXPECT_EQ(GetObjectType(redHandle), 0u);

    SetTextColor(dc.Get(), RGB(1, 1, 1));
    {
        TSavedDC saved = SaveState(dc.Get());
        EXPECT_TRUE(saved);
        SetTextColor(dc.Get(), RGB(9, 9, 9));
    }
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 1, 1));
}

}  // namespace
}  // namespace tw
