#include "skin/form/OwnerDrawSwitch.h"

#include <algorithm>

namespace tw {

namespace {
// Menus nest a few levels at most; a menu that holds itself must not loop.
constexpr int kMaxDepth = 8;
}  // namespace

void TOwnerDrawSwitch::Switch(HMENU menu, int depth) {
    if (!menu || depth > kMaxDepth || Holds(menu)) return;
    menus_.push_back(menu);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.hSubMenu) Switch(item.hSubMenu, depth + 1);
        if (item.fType & MFT_OWNERDRAW) continue;
        // Only the type changes: the text stays, and the system finds accelerators from it.
        MENUITEMINFOW drawn{};
        drawn.cbSize = sizeof(drawn);
        drawn.fMask = MIIM_FTYPE;
        drawn.fType = item.fType | MFT_OWNERDRAW;
        if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &drawn))
            entries_.push_back(TEntry{menu, static_cast<UINT>(i), item.fType});
    }
}

void TOwnerDrawSwitch::Restore() {
    for (const TEntry& entry : entries_) {
        if (!IsMenu(entry.Menu)) continue;
        MENUITEMINFOW own{};
        own.cbSize = sizeof(own);
        own.fMask = MIIM_FTYPE;
        own.fType = entry.Type;
        SetMenuItemInfoW(entry.Menu, entry.Position, TRUE, &own);
    }
    entries_.clear();
    menus_.clear();
}

bool TOwnerDrawSwitch::Holds(HMENU menu) const { return std::find(menus_.begin(), menus_.end(), menu) != menus_.end(); }

}  // namespace tw
