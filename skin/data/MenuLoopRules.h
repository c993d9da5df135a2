// What a key or a mouse move inside an open menu-bar popup asks of the bar: which top-level item
// opens next, if any. The menu loop ends the open popup and opens that one.
#pragma once

#include <vector>

namespace tw {

enum class TMenuLoopKey { mkLeft, mkRight, mkOther };

// Where the menu selection stands when a key arrives.
struct TMenuLoopSelection {
    bool Known = false;        // a framework item lies under the selection
    bool InTopLevel = false;   // it is an entry of the open popup itself, not of one of its submenus
    bool HasSubItems = false;  // it opens a submenu of its own
};

// A right-to-left menu reads Left as Right and the reverse.
TMenuLoopKey MirroredKey(TMenuLoopKey key, bool rightToLeft);

// The item a key switches to from the open one, or -1; opens[i] says whether item i can open
// (enabled and visible). Left leaves the open popup when the selection is in its top level (or
// unknown), Right when the selection opens no submenu; both step over the items that cannot open
// and wrap at the ends of the bar, so a disabled item never ends the menu loop.
int MenuSwitchForKey(int open, const std::vector<bool>& opens, TMenuLoopKey key, const TMenuLoopSelection& selection);

// The item the mouse switches to when it rests over `hovered` (-1: no item), or -1; the open
// popup stays while the mouse is over an item that cannot open.
int MenuSwitchForHover(int open, const std::vector<bool>& opens, int hovered);

// The item Alt alone opens: the first that can, or -1.
int FirstMenuThatOpens(const std::vector<bool>& opens);

}  // namespace tw
