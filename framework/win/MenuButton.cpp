#include "framework/win/MenuButton.h"

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
        lastCommand_ = menu_->Popup(Handle(), r.left, r.bottom);
    }
    TButton::Click();
}

void TMenuButton::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) menu_ = nullptr;
}

}  // namespace tw
