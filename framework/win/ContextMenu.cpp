#include "framework/win/ContextMenu.h"

#include "framework/win/Forms.h"
#include "framework/win/Menus.h"

namespace tw {

namespace {
// From the keyboard the menu opens a little inside the control's top-left corner.
constexpr int kKeyboardInset = 4;
}  // namespace

bool ShowContextMenu(TWinControl& control, LPARAM where) {
    TPopupMenu* menu = control.PopupMenu();
    if (!menu || !control.HandleAllocated()) return false;
    POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) {
        at = POINT{kKeyboardInset, kKeyboardInset};
        ClientToScreen(control.Handle(), &at);
    }
    // The form owns the menu's window: its skinner measures and draws the items and sees the
    // menu's messages, whichever control asked.
    TForm* form = control.ParentForm();
    const HWND owner = form && form->HandleAllocated() ? form->Handle() : control.Handle();
    menu->Popup(owner, at.x, at.y);
    return true;
}

}  // namespace tw
