#include "skin/data/MenuLoopRules.h"

#include "skin/data/MenuBarLayout.h"

namespace tw {

TMenuLoopKey MirroredKey(TMenuLoopKey key, bool rightToLeft) {
    if (!rightToLeft) return key;
    if (key == TMenuLoopKey::mkLeft) return TMenuLoopKey::mkRight;
    if (key == TMenuLoopKey::mkRight) return TMenuLoopKey::mkLeft;
    return key;
}

int MenuSwitchForKey(int open, int count, TMenuLoopKey key, const TMenuLoopSelection& selection) {
    if (open < 0 || open >= count || count < 2) return -1;
    switch (key) {
        case TMenuLoopKey::mkLeft:
            // Inside a submenu Left closes that submenu only.
            if (selection.Known && !selection.InTopLevel) return -1;
            return NeighbourMenuIndex(open, count, -1);
        case TMenuLoopKey::mkRight:
            // On an entry with a submenu Right opens the submenu.
            if (selection.Known && selection.HasSubItems) return -1;
            return NeighbourMenuIndex(open, count, 1);
        default:
            return -1;
    }
}

int MenuSwitchForHover(int open, int hovered) { return hovered >= 0 && hovered != open ? hovered : -1; }

}  // namespace tw
