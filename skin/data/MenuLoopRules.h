// What a key or a mouse move inside an open menu-bar popup asks of the bar: which top-level item
// opens next, if any. The menu loop ends the open popup and opens that one.
#pragma once

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

// The item a key switches to from the open one (of count), or -1: Left leaves the open popup when
// the selection is in its top level (or unknown), Right when the selection opens no submenu;
// both wrap at the ends of the bar.
int MenuSwitchForKey(int open, int count, TMenuLoopKey key, const TMenuLoopSelection& selection);

// The item the mouse switches to when it rests over `hovered` (-1: no item), or -1.
int MenuSwitchForHover(int open, int hovered);

}  // namespace tw
