// TMenuItem, TMainMenu and TPopupMenu: menus built from item objects, each item with its command
// identifier, states, shortcut and click event; the menu makes its system menu from them anew
// whenever an item changes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/win/Handles.h"

namespace tw {

class TMenu;

// A shortcut: a virtual key with scShift, scCtrl and scAlt.
using TShortCut = unsigned;
enum : unsigned { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
constexpr TShortCut ShortCut(WORD key, unsigned shift) { return key | shift; }
// The shortcut of a key pressed now: the key with the shift keys held down at this moment.
TShortCut ShortCutOfKey(WORD key);
// "Ctrl+Shift+S", "F5", "Alt+Enter"; empty for none.
std::wstring ShortCutToText(TShortCut shortCut);

class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(std::wstring caption, std::function<void(TMenuItem&)> onClick = {});
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    // Adds a sub-item; the item owns it. Answers it.
    TMenuItem& Add(std::unique_ptr<TMenuItem> item);
    TMenuItem& Add(std::wstring caption, std::function<void(TMenuItem&)> onClick = {});
    TMenuItem& AddSeparator() { return Add(L"-"); }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }

    // The caption with its "&" accelerator mark; "-" is a separator.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    bool IsSeparator() const { return caption_ == L"-"; }
    // Unique in the process, given as the item is made.
    UINT Command() const { return command_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Set(enabled_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Set(visible_, value); }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the radio items beside it with the same group index.
    void SetChecked(bool value);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value) { Set(radioItem_, value); }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value) { Set(default_, value); }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    // The popup of the sub-items in the built menu, or none.
    HMENU Handle() const { return handle_; }

    // Runs OnClick (a radio item checks itself first).
    void Click();
    // The item with that command in this tree, this one included, or none.
    TMenuItem* Find(UINT command);
    // The item whose sub-items make that popup, or none.
    TMenuItem* FindByHandle(HMENU popup);
    // The first item with that shortcut in this tree (depth first), or none; none for 0.
    TMenuItem* FindShortCut(TShortCut shortCut);

    std::function<void(TMenuItem&)> OnClick;
    // Owner drawing: measure gives width and height, draw paints the item into the DC.
    std::function<void(TMenuItem&, HDC dc, int& width, int& height)> OnMeasureItem;
    std::function<void(TMenuItem&, HDC dc, const RECT& rect, bool selected)> OnDrawItem;

private:
    friend class TMenu;
    template <class T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed();
    TMenu* OwnerMenu() const;
    // Appends the visible sub-items to menu, making popups for their own sub-items.
    void BuildInto(HMENU menu, bool ownerDraw);

    std::wstring caption_;
    UINT command_ = 0;
    bool enabled_ = true, visible_ = true, checked_ = false, radioItem_ = false, default_ = false;
    int groupIndex_ = 0;
    TShortCut shortCut_ = 0;
    int imageIndex_ = -1;
    HMENU handle_ = nullptr;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // on the root item only
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// The tree's root item and the system menu made from it.
class TMenu : public TComponent {
    TW_CLASS_INFO()
public:
    TMenu(TComponent* owner, bool popup);
    TMenuItem& Items() { return root_; }
    // The built menu (made on first use, and anew after every change).
    HMENU Handle();
    TMenuItem* FindItem(UINT command) { return root_.Find(command); }
    // Runs the click of the item with that command; false when the menu has none.
    bool DispatchCommand(UINT command);
    // Runs the click of the item with that shortcut as a choice of it would; false when no item
    // has it (an item that has it but cannot be chosen still takes the key).
    bool DispatchShortCut(TShortCut shortCut);
    // Items drawn by their owner: every item gets MFT_OWNERDRAW.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    // The images of the items' ImageIndex (the caller keeps the list alive); none by default.
    HIMAGELIST Images() const { return images_; }
    void SetImages(HIMAGELIST images) { images_ = images; }
    // Called after the menu was built anew (the form puts the new menu on its window).
    std::function<void(TMenu&)> OnChange;

private:
    friend class TMenuItem;
    void Rebuild();
    TMenuItem root_;
    TMenuHandle handle_;
    bool popup_;
    bool ownerDraw_ = false;
    HIMAGELIST images_ = nullptr;
    int updating_ = 0;
};

class TMainMenu : public TMenu {
    TW_CLASS_INFO()
public:
    explicit TMainMenu(TComponent* owner) : TMenu(owner, false) {}
};

class TPopupMenu : public TMenu {
    TW_CLASS_INFO()
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner, true) {}
    // Shows the menu at a screen point for owner and runs the chosen item's click once it closed.
    // Answers the chosen command, 0 when none.
    UINT Popup(HWND owner, int x, int y);
    std::function<void(TPopupMenu&)> OnPopup;
};

}  // namespace tw
