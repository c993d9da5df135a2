// CountGuiObjects: this process's live GDI objects by type, its windows, and under Wine its
// menus and icons, counted from what really exists, for leak checks that must be able to fail
// under Wine too (where GetGuiResources answers 0).
#pragma once

#include <windows.h>

#include <array>

namespace tw::test {

struct TGuiObjectCount {
    // Live, non-stock GDI objects by GetObjectType kind (OBJ_PEN .. OBJ_COLORSPACE).
    std::array<int, OBJ_COLORSPACE + 1> ByType{};
    // Windows of this process: top-level, message-only and every child of them.
    int Windows = 0;
    // Menus, and icons with cursors: counted under Wine only (on Windows they stay 0).
    int Menus = 0;
    int Icons = 0;

    int Of(DWORD objectType) const { return ByType[objectType]; }
    // Device contexts of both kinds (window or display DCs and memory DCs).
    int Dcs() const { return Of(OBJ_DC) + Of(OBJ_MEMDC); }
    int Gdi() const;
};

// False when the process has no GDI handle table to read (then `count` is untouched).
bool CountGuiObjects(TGuiObjectCount& count);
// Whether Menus and Icons are counted here (under Wine).
bool CountsMenusAndIcons();

}  // namespace tw::test
