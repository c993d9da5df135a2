// Actions on standard controls of another process: texts, buttons, combo boxes, progress bars,
// list views and tree views.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace tw::driver {

void SetText(HWND w, const std::wstring& text);
// Posts BM_CLICK: a click that opens a modal dialog must not block the driver.
void Click(HWND button);
// Drops files on a window that accepts them: a WM_DROPFILES block written into the window's
// process and posted, as the shell would hand it over. The block is left there: the window
// takes it with DragFinish at its own pace.
void DropFiles(HWND target, const std::vector<std::wstring>& paths);
// Double-clicks row ROW of a list view in its middle, scrolled into view (a posted WM_LBUTTONDBLCLK), so that a
// box the double click opens does not hold up the driver.
void DoubleClickRow(HWND list, int row);

struct ComboState {
    std::vector<std::wstring> items;
    int selected = -1;
};
ComboState ReadCombo(HWND combo);
// Selects item (its text, or "#index") and tells the parent, as a user's pick would.
void SelectComboItem(HWND combo, const std::wstring& item);

struct ProgressState {
    int pos = 0, min = 0, max = 0;
};
ProgressState ReadProgress(HWND bar);

struct ListViewContent {
    std::vector<std::wstring> columns;
    std::vector<std::vector<std::wstring>> rows;  // one entry per column
    std::vector<bool> selected;
};
ListViewContent ReadListView(HWND list);

// Tree-view items, read across processes.
std::wstring TreeItemText(HWND tree, HTREEITEM item);
std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM parent);  // parent null: the roots
void TreeExpand(HWND tree, HTREEITEM item);
void TreeSelect(HWND tree, HTREEITEM item);

}  // namespace tw::driver
