// TWinSkinMenu and TMenuBtn: the skinned menu bar of a form. The form skinner takes the menu away
// from its window and reserves the band under the title; this painter reads the top-level items
// (from the framework's main menu or from the raw menu), lays them out, paints the band from the
// skin's MenuBar image and opens the items' popups, switching to a neighbour with Left and Right
// or when the mouse moves along the band while a popup is open.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win/Handles.h"
#include "skin/data/MenuLoopRules.h"
#include "skin/form/CaptionButton.h"

namespace tw {

class TMenu;
class TMenuItem;
class TWinSkinMenu;
class TOwnerDrawSwitch;
struct TFrameMetrics;

// One top-level item of the bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& owner, TWinSkinMenu& bar) : TNCObject(owner), bar_(bar) {}
    void Paint() override;

    TMenuItem* MenuItem = nullptr;  // the framework item, when the form has one for it
    int Index = 0;
    std::wstring Caption;  // with its "&" mark
    bool Enabled = true;
    bool ItemVisible = true;
    HMENU SubMenu = nullptr;
    UINT Command = 0;
    int TextWidth = 0;  // the caption in the menu font

private:
    TWinSkinMenu& bar_;
};

// The system-menu icon of a maximised MDI child, at the band's leading edge of its frame: a
// click opens the child's system menu, a double click closes the child.
class TMdiChildIcon : public TNCObject {
public:
    using TNCObject::TNCObject;
    HWND Child = nullptr;  // while visible
};

class TWinSkinMenu {
public:
    explicit TWinSkinMenu(TWinSkinForm& form);
    // A popup still open forgets the painter: nothing of it is touched once the menu returns.
    ~TWinSkinMenu();
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Reads the items of menu; framework, when given, supplies captions, states and submenus.
    void ReadItems(HMENU menu, TMenu* framework);
    HMENU MenuHandle() const { return menuHandle_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuBtn* Item(int index) const;

    // Every item's Bounds for a frame of that width.
    void Layout(const TFrameMetrics& metrics, int frameWidth);
    // Paints the band (window coordinates) into dc, the window's whole DC.
    void PaintBar(HDC dc, const RECT& band, bool active);
    // Repaints one item in its state on the window.
    void PaintItem(const TMenuBtn& item);

    // The first visible item with a caption under the point (window coordinates), or none.
    TMenuBtn* ItemAt(POINT framePoint) const;
    // The maximised MDI child's icon or the item under the point, or none.
    TNCObject* ObjectAt(POINT framePoint) const;
    // The icon object of the band (visible only on an MDI frame whose active child is maximised).
    TMdiChildIcon& ChildIcon() const { return *childIcon_; }
    // Opens the maximised child's system menu under its icon; false when there is none.
    bool OpenChildSystemMenu();
    // The item Alt alone opens: the first enabled, visible one, or none.
    TMenuBtn* FirstItem() const;
    // The first enabled, visible item with that accelerator, or none.
    TMenuBtn* FindAccelerator(wchar_t character) const;

    // Opens the item's popup and runs the menu loop until no popup is open any more, switching
    // from one item's popup to another's as the keys and the mouse ask; the command chosen is
    // posted to the window as WM_COMMAND. False when nothing was shown.
    bool OpenMenu(TMenuBtn* item);
    // The selection moved inside the open popup (WM_MENUSELECT at the window).
    void MenuSelected(WPARAM wParam, LPARAM lParam);

    // The index of the item whose popup is open, -1 when none (any bar of the process).
    static int OpenIndex();
    // The open popup's menu, and whether its tree (made owner-drawn while open) holds a menu or
    // a command.
    HMENU OpenSubMenu() const { return openSubMenu_; }
    bool DrawsMenu(HMENU menu) const;
    bool DrawsCommand(UINT command) const;

private:
    friend LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam);
    // Per item: whether a key or the mouse may switch to it (enabled and visible).
    std::vector<bool> ItemsThatOpen() const;
    void DrawCaption(HDC dc, const TMenuBtn& item, const RECT& rect) const;
    // The item a message inside the loop asks to switch to, or -1.
    int SwitchFor(const MSG& message);

    TWinSkinForm& form_;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    std::unique_ptr<TMdiChildIcon> childIcon_;
    TMenu* framework_ = nullptr;
    HMENU menuHandle_ = nullptr;
    RECT barRect_{};
    bool rightToLeft_ = false;
    // The band's background as last painted, without texts: one item repaints from it.
    TBitmapHandle barImage_;
    // Where the selection of the open popup stands.
    HMENU openSubMenu_ = nullptr;
    const TOwnerDrawSwitch* drawn_ = nullptr;
    TMenuLoopSelection selection_;
    POINT lastCursor_{-32768, -32768};
    std::shared_ptr<int> life_;
};

}  // namespace tw
