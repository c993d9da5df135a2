// The form skinner's menus: the menu bar it makes for a window with a menu and gives back on
// detach, the keys and clicks that open it, the form's menu changes, and the owner-drawn items
// of the bar's popups, of the form's popup menus and of the skinned system menu.
#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/FormMethodRelay.h"
#include "skin/form/FormSkinnerHost.h"
#include "skin/form/MenuItemPainter.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"

namespace tw {

namespace {

// A flag held at a value for a scope and given its old value back on every way out.
class TFlagHold {
public:
    TFlagHold(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
    ~TFlagHold() { flag_ = old_; }
    TFlagHold(const TFlagHold&) = delete;
    TFlagHold& operator=(const TFlagHold&) = delete;

private:
    bool& flag_;
    bool old_;
};

// The handlers run inside the window procedure: nothing may leave.
template <class Work>
void Guarded(Work work) noexcept {
    try {
        work();
    } catch (...) {
    }
}

// Every popup menu the form owns, itself or through what it owns (a page panel's own menu): a
// popup opened from any of its controls is owned by the form's window, so the form's skinner
// measures and draws its items. A form owned by the form (an MDI child) has a skinner of its
// own for its menus. Stops when visit answers true; answers whether it stopped.
template <class Visit>
bool ForEachOwnedPopup(const TComponent& owner, Visit&& visit) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* component = owner.Components(i);
        if (auto* popup = dynamic_cast<TPopupMenu*>(component))
            if (visit(*popup)) return true;
        if (dynamic_cast<TForm*>(component)) continue;
        if (ForEachOwnedPopup(*component, visit)) return true;
    }
    return false;
}

// True when menu holds an entry with that command (its submenus searched too).
bool HoldsCommand(HMENU menu, UINT command) {
    if (!menu) return false;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    return GetMenuItemInfoW(menu, command, FALSE, &info) != FALSE;
}

// The system draws its own submenu arrow over an owner-drawn item once the item is drawn, in its
// menu colours: the arrow's strip is cut out of the DC's clip until the DC draws its next item.
class TSystemArrowHider {
public:
    // Before an item is drawn: the strip an earlier item of this DC cut out is given back.
    void BeforeDrawing(HDC dc) {
        if (dc && dc == clipped_) SelectClipRgn(dc, nullptr);
        clipped_ = nullptr;
    }
    void HideAfter(HDC dc, const RECT& item, bool rightToLeft) {
        const RECT strip = SubmenuArrowArea(item, rightToLeft);
        ExcludeClipRect(dc, strip.left, strip.top, strip.right, strip.bottom);
        clipped_ = dc;
    }

private:
    HDC clipped_ = nullptr;
};
TSystemArrowHider& ArrowHider() {
    static TSystemArrowHider hider;
    return hider;
}

}  // namespace

void TWinSkinForm::CreateMenuBar() {
    if (!menuHandle_ || isChildStyle_) return;
    // MDI children keep their menus in the frame's bar; MDI frames come later.
    menuBar_ = std::make_unique<TWinSkinMenu>(*this);
    painter_.SetMenuHeight(GetSystemMetrics(SM_CYMENU));
    menuBar_->ReadItems(menuHandle_, form_ ? form_->MainMenu() : nullptr);
    SetMenu(handle_, nullptr);
}

void TWinSkinForm::GiveMenuBack() {
    if (!menuBar_ || !IsWindow(handle_)) return;
    HMENU menu = form_ && form_->Menu() ? form_->Menu() : menuBar_->MenuHandle();
    if (menu && IsMenu(menu)) SetMenu(handle_, menu);
}

void TWinSkinForm::OnMenuChanged(TMessage& message) {
    {
        // The system puts its own bar back with the new menu: no frame is painted over it
        // until the bar has been taken away again.
        TFlagHold hold(framePainting_, false);
        relay_->CallSaved(message);
    }
    HMENU menu = GetMenu(handle_);
    if (!menu || !skinFrame_) return;
    if (menuBar_ && skinData_ && skinData_->MenuUpdate) menuBar_->ReadItems(menu, form_ ? form_->MainMenu() : nullptr);
    SetMenu(handle_, nullptr);
    if (IsWindowVisible(handle_)) RepaintFrame();
}

bool TWinSkinForm::OnKeyMenu(TMessage& message) {
    if (!menuBar_ || TWinSkinMenu::OpenIndex() >= 0 || GetCapture()) return false;
    const auto key = static_cast<wchar_t>(message.LParam);
    // Alt+minus: a maximised MDI child's system menu, from its icon in the band.
    if (key == L'-' && MaximisedActiveMdiChild()) {
        message.Result = 0;
        Guarded([&] { menuBar_->OpenChildSystemMenu(); });
        return true;
    }
    if (key == L' ' || key == L'-') return false;
    TMenuBtn* item = key == 0 ? menuBar_->FirstItem() : menuBar_->FindAccelerator(key);
    if (!item) return false;
    message.Result = 1;
    Guarded([&] { menuBar_->OpenMenu(item); });
    return true;
}

void TWinSkinForm::OnDialogChar(TMessage& message) {
    relay_->CallSaved(message);
    if (message.Result || !menuBar_ || !skinFrame_) return;
    const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    TMenuBtn* item = altOnly ? menuBar_->FindAccelerator(static_cast<wchar_t>(message.WParam)) : nullptr;
    if (!item) return;
    PostMenuBarClick(*item);
    message.Result = 1;
}

// Opened once the key's message has returned, as a click on the item would.
void TWinSkinForm::PostMenuBarClick(const TMenuBtn& item) {
    RECT window{};
    GetWindowRect(handle_, &window);
    PostMessageW(handle_, SKM_MENUBARCLICK, 0,
                 MAKELPARAM(window.left + item.Bounds.Left + 1, window.top + item.Bounds.Top + 1));
}

// Alt held down and a letter: the key itself opens the item with that accelerator, whatever the
// message loop makes of it afterwards. The character the key was translated into is taken off
// the queue, or the popup's own loop would read it as the mnemonic of one of its entries.
bool TWinSkinForm::OnAltLetter(TMessage& message) {
    const bool altHeld = (message.LParam & (1 << 29)) != 0;
    if (!altHeld || !menuBar_ || TWinSkinMenu::OpenIndex() >= 0 || GetCapture()) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0) return false;
    const auto character = static_cast<wchar_t>(MapVirtualKeyW(static_cast<UINT>(message.WParam), MAPVK_VK_TO_CHAR));
    if (!IsCharAlphaNumericW(character)) return false;
    TMenuBtn* item = menuBar_->FindAccelerator(character);
    if (!item) return false;
    MSG translated;
    while (PeekMessageW(&translated, handle_, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE)) {
    }
    PostMenuBarClick(*item);
    message.Result = 0;
    return true;
}

void TWinSkinForm::OnMenuBarClick(TMessage& message) {
    message.Result = 0;
    if (!menuBar_) return;
    const POINT screen{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    TMenuBtn* item = menuBar_->ItemAt(ToFrame(screen));
    if (item) Guarded([&] { menuBar_->OpenMenu(item); });
}

TMenuItem* TWinSkinForm::FindFrameworkItem(UINT command, HIMAGELIST* images) const {
    if (!form_ || command == 0) return nullptr;
    if (TMainMenu* main = form_->MainMenu())
        if (TMenuItem* item = main->FindItem(command)) {
            *images = main->Images();
            return item;
        }
    TMenuItem* found = nullptr;
    ForEachOwnedPopup(*form_, [&](TPopupMenu& popup) {
        found = popup.FindItem(command);
        if (found) *images = popup.Images();
        return found != nullptr;
    });
    return found;
}

void TWinSkinForm::SwitchFormPopups(bool ownerDraw) {
    if (!form_ || !skinData_ || skinState_ == stDestroying || !InSet(skinData_->SkinControls, xcPopupMenu)) return;
    ForEachOwnedPopup(*form_, [&](TPopupMenu& popup) {
        if (popup.Tag() != skinData_->DisableTag) popup.SetOwnerDraw(ownerDraw);
        return false;
    });
}

// The raw menus this skinner made owner-drawn: the bar's open popup tree and the system menu copy.
bool TWinSkinForm::OnMeasureItem(TMessage& message) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (!measure || measure->CtlType != ODT_MENU || !skinData_) return false;
    bool handled = false;
    Guarded([&] {
        HIMAGELIST images = nullptr;
        if (TMenuItem* item = FindFrameworkItem(measure->itemID, &images)) {
            int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
            if (item->OnMeasureItem) {
                const TWindowDC dc = ClientDC(handle_);
                item->OnMeasureItem(*item, dc.Get(), width, height);
            } else {
                const bool main = form_->MainMenu() && form_->MainMenu()->FindItem(measure->itemID) == item;
                const SIZE size = MeasureMenuItem(*skinData_, ViewOfItem(*item, images),
                                                  main ? TMenuItemHome::ihMainMenu : TMenuItemHome::ihPopupMenu);
                width = size.cx;
                height = size.cy;
            }
            measure->itemWidth = static_cast<UINT>(width);
            measure->itemHeight = static_cast<UINT>(height);
            handled = true;
            return;
        }
        HMENU menu = nullptr;
        if (menuBar_ && menuBar_->DrawsCommand(measure->itemID)) menu = menuBar_->OpenSubMenu();
        else if (HoldsCommand(systemMenuCopy_.Get(), measure->itemID))
            menu = systemMenuCopy_.Get();
        if (!menu) return;
        const SIZE size = MeasureMenuItem(*skinData_, ViewOfRawItem(menu, measure->itemID), TMenuItemHome::ihPopupMenu);
        measure->itemWidth = static_cast<UINT>(size.cx);
        measure->itemHeight = static_cast<UINT>(size.cy);
        handled = true;
    });
    if (handled) message.Result = TRUE;
    return handled;
}

bool TWinSkinForm::OnDrawItem(TMessage& message) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (!draw || draw->CtlType != ODT_MENU || !skinData_) return false;
    bool handled = false;
    Guarded([&] {
        const auto menu = reinterpret_cast<HMENU>(draw->hwndItem);
        const bool selected = (draw->itemState & ODS_SELECTED) != 0;
        HIMAGELIST images = nullptr;
        TMenuItem* item = FindFrameworkItem(draw->itemID, &images);
        const bool ours = item || (menuBar_ && menuBar_->DrawsMenu(menu)) ||
                          (systemMenuCopy_ && (menu == systemMenuCopy_.Get()));
        if (!ours) return;
        ArrowHider().BeforeDrawing(draw->hDC);
        if (item && item->OnDrawItem) {
            item->OnDrawItem(*item, draw->hDC, draw->rcItem, selected);
            handled = true;
            return;
        }
        // The item's ground is the skinned popup's own background under it.
        if (host_) host_->BindPopupMenu(menu);
        auto* ground = host_ ? static_cast<HBITMAP>(host_->PopupBackground(menu)) : nullptr;
        TMenuItemView view = item ? ViewOfItem(*item, images) : ViewOfRawItem(menu, draw->itemID);
        if (draw->itemState & (ODS_GRAYED | ODS_DISABLED)) view.Enabled = false;
        view.RightToLeft = rightToLeft_;
        DrawMenuItem(draw->hDC, draw->rcItem, view, selected, *skinData_, ground);
        if (view.HasSubItems) ArrowHider().HideAfter(draw->hDC, draw->rcItem, view.RightToLeft);
        handled = true;
    });
    if (handled) message.Result = TRUE;
    return handled;
}

}  // namespace tw
