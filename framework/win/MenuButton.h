// TMenuButton: a push button that drops its popup menu below itself when clicked; the menu's
// choice runs as the menu's own command would, then the button's OnClick.
#pragma once

#include "framework/win/Menus.h"
#include "framework/win/StdCtrls.h"

namespace tw {

class TMenuButton : public TButton {
    TW_CLASS_INFO()
public:
    using TButton::TButton;
    ~TMenuButton() override;

    TPopupMenu* DropdownMenu() const { return menu_; }
    void SetDropdownMenu(TPopupMenu* menu);
    // The command of the last choice from the dropped menu (0: none was chosen).
    UINT LastCommand() const { return lastCommand_; }

protected:
    void Click() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPopupMenu* menu_ = nullptr;
    UINT lastCommand_ = 0;
};

}  // namespace tw
