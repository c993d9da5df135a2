#include "framework/win/MenuButton.h"

#include "framework/win/Forms.h"

namespace tw {

const TClassInfo& TMenuButton::StaticClassInfo() {
    static const TClassInfo info{
        "TMenuButton",
        &TButton::StaticClassInfo(),
        {
            ObjProp<TMenuButton>("DropdownMenu", [](const TMenuButton& b) { return b.DropdownMenu(); }),
        }};
    return info;
}

TMenuButton::~TMenuButton() {
    if (menu_) menu_->RemoveFreeNotification(this);
}

void TMenuButton::SetDropdownMenu(TPopupMenu* menu) {
    if (menu_ == menu) return;
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
}

void TMenuButton::Click() {
    if (menu_ && HandleAllocated()) {
        RECT r{};
        GetWindowRect(Handle(), &r);
        // The form owns the menu's window, as it does a context menu's: its skinner draws the
        // items and sees the menu's messages.
        TForm* form = ParentForm();
        const HWND owner = form && form->HandleAllocated() ? form->Handle() : Handle();
        lastCommand_ = menu_->Popup(owner, r.left, r.bottom);
    }
    TButton::Click();
}

void TMenuButton::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) menu_ = nullptr;
}

}  // namespace tw
