// Owner-drawn menu items in the skin's look: what an item shows (read from a framework item or
// from a menu handle alone), its measure, and its drawing from the MenuItem object over the
// popup's own background, with image, check or radio mark, caption and right-aligned shortcut.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/data/MenuItemLayout.h"

namespace tw {

class TSkinData;
class TMenuItem;
class TDataSkinObject;

struct TMenuItemView {
    std::wstring Caption;  // with its "&" mark; "-" is a separator
    std::wstring ShortCut;
    bool Enabled = true, Checked = false, Radio = false, Default = false;
    HIMAGELIST Images = nullptr;
    int ImageIndex = -1;
    bool RightToLeft = false;
    bool HasSubItems = false;  // a submenu opens from it: the item draws the arrow
    bool IsSeparator() const { return Caption == L"-"; }
};

TMenuItemView ViewOfItem(const TMenuItem& item, HIMAGELIST images);
// The entry of menu with that command (by position when byPosition): its text up to a tab is
// the caption, after it the shortcut; "-" when it has no text.
TMenuItemView ViewOfRawItem(HMENU menu, UINT item, bool byPosition = false);

// The strip at the item's far end (the left one when right-to-left) where its submenu arrow goes:
// ours, and the one the system draws over an owner-drawn item once its owner has drawn it.
RECT SubmenuArrowArea(const RECT& item, bool rightToLeft);

// The system menu font, kept for the process (bold for the default item).
HFONT MenuFont(bool bold);

// Width and height of the item in the menu font with the skin's additions.
SIZE MeasureMenuItem(const TSkinData& data, const TMenuItemView& view, TMenuItemHome home);

// Cell (from 1) of the MenuItem object's five, drawn over rect in its slices.
void DrawMenuItemCell(HDC dc, const RECT& rect, const TDataSkinObject& object, int cell);
// What a selected item lies on: the MenuItem object's selected cell, or the highlight colour
// when the skin has no MenuItem image. The menu bar's open item shows the same.
void DrawSelectedMenuItemGround(HDC dc, const RECT& rect, const TSkinData& data);

// Draws the item into rect of dc. popupBackground: the skinned popup's whole-window background
// (its items start 3 pixels in), or none for a fill with the skin's menu colour.
void DrawMenuItem(HDC dc, const RECT& rect, const TMenuItemView& view, bool selected, const TSkinData& data,
                  HBITMAP popupBackground);

}  // namespace tw
