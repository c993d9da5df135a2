#include "framework/win/Menus.h"

namespace tw {

namespace {
// Command identifiers below 0x100 stay free for dialogs' own; the system's start at 0xF000.
UINT NextCommand() {
    static UINT next = 0x100;
    if (next >= 0xEFFF) next = 0x100;
    return next++;
}

std::wstring KeyName(WORD key) {
    if (key >= 'A' && key <= 'Z') return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= '0' && key <= '9') return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
    switch (key) {
        case VK_RETURN:
            return L"Enter";
        case VK_ESCAPE:
            return L"Esc";
        case VK_SPACE:
            return L"Space";
        case VK_TAB:
            return L"Tab";
        case VK_BACK:
            return L"BkSp";
        case VK_DELETE:
            return L"Del";
        case VK_INSERT:
            return L"Ins";
        case VK_HOME:
            return L"Home";
        case VK_END:
            return L"End";
        case VK_PRIOR:
            return L"PgUp";
        case VK_NEXT:
            return L"PgDn";
        case VK_LEFT:
            return L"Left";
        case VK_RIGHT:
            return L"Right";
        case VK_UP:
            return L"Up";
        case VK_DOWN:
            return L"Down";
        default:
            return L"";
    }
}
}  // namespace

std::wstring ShortCutToText(TShortCut shortCut) {
    const std::wstring key = KeyName(static_cast<WORD>(shortCut & 0xFF));
    if (key.empty()) return L"";
    std::wstring text;
    if (shortCut & scCtrl) text += L"Ctrl+";
    if (shortCut & scShift) text += L"Shift+";
    if (shortCut & scAlt) text += L"Alt+";
    return text + key;
}

TShortCut ShortCutOfKey(WORD key) {
    TShortCut shortCut = key;
    if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
    if (GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
    return shortCut;
}

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(std::wstring caption, std::function<void(TMenuItem&)> onClick)
    : OnClick(std::move(onClick)), caption_(std::move(caption)), command_(NextCommand()) {}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) {
    item->parent_ = this;
    items_.push_back(std::move(item));
    Changed();
    return *items_.back();
}

TMenuItem& TMenuItem::Add(std::wstring caption, std::function<void(TMenuItem&)> onClick) {
    return Add(std::make_unique<TMenuItem>(std::move(caption), std::move(onClick)));
}

void TMenuItem::SetCaption(std::wstring caption) { Set(caption_, std::move(caption)); }
void TMenuItem::SetShortCut(TShortCut value) { Set(shortCut_, value); }

void TMenuItem::SetChecked(bool value) {
    if (value && radioItem_ && parent_) {
        for (auto& sibling : parent_->items_)
            if (sibling.get() != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
                sibling->checked_ = false;
        checked_ = false;  // so that the change below rebuilds
    }
    Set(checked_, value);
}

void TMenuItem::Click() {
    if (radioItem_) SetChecked(true);
    if (OnClick) OnClick(*this);
}

TMenuItem* TMenuItem::Find(UINT command) {
    if (command_ == command && command != 0) return this;
    for (auto& item : items_)
        if (TMenuItem* found = item->Find(command)) return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindByHandle(HMENU popup) {
    if (popup && handle_ == popup) return this;
    for (auto& item : items_)
        if (TMenuItem* found = item->FindByHandle(popup)) return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    if (shortCut == 0) return nullptr;
    if (shortCut_ == shortCut) return this;
    for (auto& item : items_)
        if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
    return nullptr;
}

TMenu* TMenuItem::OwnerMenu() const {
    const TMenuItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->menu_;
}

void TMenuItem::Changed() {
    // A menu not yet built is built as a whole when first asked for.
    TMenu* menu = OwnerMenu();
    if (menu && menu->handle_) menu->Rebuild();
}

void TMenuItem::BuildInto(HMENU menu, bool ownerDraw) {
    for (auto& item : items_) {
        if (!item->visible_) {
            item->handle_ = nullptr;
            continue;
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
        info.wID = item->command_;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
        info.fState = (item->enabled_ ? MFS_ENABLED : MFS_GRAYED) | (item->checked_ ? MFS_CHECKED : 0) |
                      (item->default_ ? MFS_DEFAULT : 0);
        info.fType = (item->radioItem_ ? MFT_RADIOCHECK : 0) | (ownerDraw ? MFT_OWNERDRAW : 0);
        // The text goes in even when owner-drawn: the system finds accelerators from it.
        std::wstring text = item->caption_;
        const std::wstring shortCut = ShortCutToText(item->shortCut_);
        if (!shortCut.empty()) text += L"\t" + shortCut;
        if (item->IsSeparator()) {
            info.fType |= MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
        }
        item->handle_ = nullptr;
        if (!item->items_.empty()) {
            item->handle_ = CreatePopupMenu();
            item->BuildInto(item->handle_, ownerDraw);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = item->handle_;
        }
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
    }
}

// ---------------------------------------------------------------- TMenu

const TClassInfo& TMenu::StaticClassInfo() {
    static const TClassInfo info{"TMenu", &TComponent::StaticClassInfo(), {}};
    return info;
}
const TClassInfo& TMainMenu::StaticClassInfo() {
    static const TClassInfo info{"TMainMenu", &TMenu::StaticClassInfo(), {}};
    return info;
}
const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo info{"TPopupMenu", &TMenu::StaticClassInfo(), {}};
    return info;
}

TMenu::TMenu(TComponent* owner, bool popup) : TComponent(owner), popup_(popup) { root_.menu_ = this; }

HMENU TMenu::Handle() {
    if (!handle_) Rebuild();
    return handle_.Get();
}

void TMenu::Rebuild() {
    TMenuHandle fresh(popup_ ? CreatePopupMenu() : CreateMenu());
    root_.handle_ = fresh.Get();
    root_.BuildInto(fresh.Get(), ownerDraw_);
    // The window takes the new menu before the old one (with every popup under it) goes.
    TMenuHandle old = std::move(handle_);
    handle_ = std::move(fresh);
    if (OnChange) OnChange(*this);
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item || item == &root_) return false;
    // Only an item the menu shows can be chosen: it and every item above it visible and enabled.
    for (TMenuItem* up = item; up && up != &root_; up = up->Parent())
        if (!up->Enabled() || !up->Visible()) return true;
    item->Click();
    return true;
}

bool TMenu::DispatchShortCut(TShortCut shortCut) {
    TMenuItem* item = root_.FindShortCut(shortCut);
    return item && DispatchCommand(item->Command());
}

void TMenu::SetOwnerDraw(bool value) {
    if (ownerDraw_ == value) return;
    ownerDraw_ = value;
    Rebuild();
}

// ---------------------------------------------------------------- TPopupMenu

UINT TPopupMenu::Popup(HWND owner, int x, int y) {
    if (OnPopup) OnPopup(*this);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
    // The click runs once the menu has gone, as a menu bar's command would.
    if (command) DispatchCommand(command);
    return command;
}

}  // namespace tw
