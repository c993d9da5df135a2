// ShowContextMenu: a control's popup menu shown for WM_CONTEXTMENU, at the mouse or, from the
// keyboard, at the control's corner.
#pragma once

#include <windows.h>

namespace tw {

class TWinControl;

// Shows control's PopupMenu for a WM_CONTEXTMENU whose lParam is `where` (a screen point, or -1
// from Shift+F10 and the menu key) and runs the chosen item's click. False when the control has
// no menu of its own: the message then goes on to the parent as the system sends it.
bool ShowContextMenu(TWinControl& control, LPARAM where);

}  // namespace tw
