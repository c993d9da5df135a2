// The leak count moves by exactly what is leaked, kind by kind, and comes back when it is freed.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/GuiObjectCount.h"

namespace tw::test {
namespace {

TGuiObjectCount Count() {
    TGuiObjectCount count;
    EXPECT_TRUE(CountGuiObjects(count)) << "no GDI handle table";
    return count;
}

struct TWindows {
    HWND popup, child, hidden;
};

TWindows MakeWindows() {
    HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 5, 5, popup, nullptr, nullptr, nullptr);
    HWND hidden = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    return {popup, child, hidden};
}

void DestroyWindows(const TWindows& windows) {
    DestroyWindow(windows.hidden);
    DestroyWindow(windows.popup);  // its child goes with it
}

TEST(GuiObjectCount, MovesByExactlyWhatIsLeakedAndComesBack) {
    // The first windows of a thread and the first screen DC bring what the system keeps from
    // then on (cached DCs and their regions), and a thread with windows has an IME window while
    // it has any: take both once first and keep one window, so that is in the count before.
    DestroyWindows(MakeWindows());
    ReleaseDC(nullptr, GetDC(nullptr));
    const TWindows anchor = MakeWindows();
    const TGuiObjectCount before = Count();
    EXPECT_GT(before.Gdi(), 0);

    HDC screen = GetDC(nullptr);
    HBITMAP bitmaps[2] = {CreateCompatibleBitmap(screen, 8, 8), CreateCompatibleBitmap(screen, 4, 4)};
    ReleaseDC(nullptr, screen);
    HDC memory = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HRGN regions[3] = {CreateRectRgn(0, 0, 5, 5), CreateEllipticRgn(0, 0, 9, 9), CreateRectRgn(1, 1, 2, 2)};
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(4, 5, 6));
    const TWindows windows = MakeWindows();

    ASSERT_TRUE(bitmaps[0] && bitmaps[1] && memory && brush && regions[0] && regions[1] && regions[2] && font && pen);
    ASSERT_TRUE(windows.popup && windows.child && windows.hidden);

    const TGuiObjectCount leaked = Count();
    struct {
        const char* kind;
        int moved, expected;
    } const cases[] = {
        {"bitmaps", leaked.Of(OBJ_BITMAP) - before.Of(OBJ_BITMAP), 2},
        {"memory DCs", leaked.Of(OBJ_MEMDC) - before.Of(OBJ_MEMDC), 1},
        {"brushes", leaked.Of(OBJ_BRUSH) - before.Of(OBJ_BRUSH), 1},
        {"regions", leaked.Of(OBJ_REGION) - before.Of(OBJ_REGION), 3},
        {"fonts", leaked.Of(OBJ_FONT) - before.Of(OBJ_FONT), 1},
        {"pens", leaked.Of(OBJ_PEN) - before.Of(OBJ_PEN), 1},
        {"all GDI objects", leaked.Gdi() - before.Gdi(), 9},
        {"windows", leaked.Windows - before.Windows, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(c.moved, c.expected) << c.kind;

    DestroyWindows(windows);
    for (HBITMAP b : bitmaps) DeleteObject(b);
    for (HRGN r : regions) DeleteObject(r);
    DeleteDC(memory);
    DeleteObject(brush);
    DeleteObject(font);
    DeleteObject(pen);
    const TGuiObjectCount after = Count();
    EXPECT_EQ(after.ByType, before.ByType);
    EXPECT_EQ(after.Windows, before.Windows);
    DestroyWindows(anchor);
}

TEST(GuiObjectCount, MenusAndIconsAreCountedUnderWine) {
    if (!CountsMenusAndIcons()) GTEST_SKIP() << "counted under Wine only";
    HICON shared = LoadIconW(nullptr, IDI_APPLICATION);  // loaded once and kept by the system
    const TGuiObjectCount before = Count();
    HMENU menus[2] = {CreateMenu(), CreatePopupMenu()};
    HICON icon = CopyIcon(shared);
    const BYTE andMask[8] = {}, xorMask[8] = {};  // 4 rows of 4 pixels, each row a word
    HCURSOR cursor = CreateCursor(nullptr, 0, 0, 4, 4, andMask, xorMask);
    ASSERT_TRUE(menus[0] && menus[1] && icon && cursor);
    const TGuiObjectCount leaked = Count();
    EXPECT_EQ(leaked.Menus - before.Menus, 2);
    EXPECT_EQ(leaked.Icons - before.Icons, 2);  // an icon and a cursor
    for (HMENU m : menus) DestroyMenu(m);
    DestroyIcon(icon);
    DestroyCursor(cursor);
    const TGuiObjectCount after = Count();
    EXPECT_EQ(after.Menus, before.Menus);
    EXPECT_EQ(after.Icons, before.Icons);
    EXPECT_EQ(after.ByType, before.ByType);  // the icons' own bitmaps went with them
}

}  // namespace
}  // namespace tw::test
