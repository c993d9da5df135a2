#include "skin/data/MenuLoopRules.h"

#include "skin/data/MenuBarLayout.h"

namespace tw {

TMenuLoopKey MirroredKey(TMenuLoopKey key, bool rightToLeft) {
    if (!rightToLeft) return key;
    if (key == TMenuLoopKey::mkLeft) return TMenuLoopKey::mkRight;
    if (key == TMenuLoopKey::mkRight) return TMenuLoopKey::mkLeft;
    return key;
}

namespace {

bool Opens(const std::vector<bool>& opens, int index) {
    return index >= 0 && index < static_cast<int>(opens.size()) && opens[static_cast<size_t>(index)];
}

// The next item from open in that direction that can open; -1 when the walk comes back round.
int NextThatOpens(int open, const std::vector<bool>& opens, int step) {
    const int count = static_cast<int>(opens.size());
    for (int next = NeighbourMenuIndex(open, count, step); next != open; next = NeighbourMenuIndex(next, count, step))
        if (Opens(opens, next)) return next;
    return -1;
}

}  // namespace

int MenuSwitchForKey(int open, const std::vector<bool>& opens, TMenuLoopKey key, const TMenuLoopSelection& selection) {
    const int count = static_cast<int>(opens.size());
    if (open < 0 || open >= count || count < 2) return -1;
    switch (key) {
        case TMenuLoopKey::mkLeft:
            // Inside a submenu Left closes that submenu only.
            if (selection.Known && !selection.InTopLevel) return -1;
            return NextThatOpens(open, opens, -1);
        case TMenuLoopKey::mkRight:
            // On an entry with a submenu Right opens the submenu.
            if (selection.Known && selection.HasSubItems) return -1;
            return NextThatOpens(open, opens, 1);
        default:
            return -1;
    }
}

int MenuSwitchForHover(int open, const std::vector<bool>& opens, int hovered) {
    return hovered != open && Opens(opens, hovered) ? hovered : -1;
}

int FirstMenuThatOpens(const std::vector<bool>& opens) {
    for (size_t i = 0; i < opens.size(); ++i)
        if (opens[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace tw
