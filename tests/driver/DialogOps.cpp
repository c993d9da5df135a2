#include "tests/driver/DialogOps.h"

#include <commctrl.h>

#include "tests/driver/ControlOps.h"
#include "tests/driver/DriverArgs.h"
#include "tests/driver/DriverError.h"
#include "tests/driver/Labels.h"
#include "tests/driver/Output.h"
#include "tests/driver/WindowFind.h"

namespace tw::driver {

namespace {

bool IsButton(HWND w) {
    if (!SameLabel(ClassOf(w), L"Button")) {
        return false;
    }
    LONG_PTR kind = GetWindowLongPtrW(w, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

HWND FindTree(HWND dialog) {
    for (const Descendant& d : Descendants(dialog)) {
        if (SameLabel(ClassOf(d.hwnd), WC_TREEVIEWW)) {
            return d.hwnd;
        }
    }
    Fail(L"dialog " + HandleText(dialog) + L" has no tree view: is it the folder browser?");
}

std::wstring LabelsOf(HWND tree, const std::vector<HTREEITEM>& items) {
    std::wstring r;
    for (HTREEITEM it : items) {
        r += (r.empty() ? L"\"" : L", \"") + EscapeText(TreeItemText(tree, it)) + L"\"";
    }
    return r.empty() ? L"nothing" : r;
}

// The child of parent (or a top item) labelled label; expands parent first so a shell tree
// fills it in.
HTREEITEM ChildLabelled(HWND tree, HTREEITEM parent, const std::wstring& label) {
    if (parent != nullptr) {
        TreeExpand(tree, parent);
    }
    std::vector<HTREEITEM> children = TreeChildren(tree, parent);
    for (HTREEITEM c : children) {
        if (SameLabel(TreeItemText(tree, c), label)) {
            return c;
        }
    }
    Fail(L"no folder \"" + EscapeText(label) + L"\" in the tree; there is " + LabelsOf(tree, children));
}

// Breadth-first over the top levels of the tree for the item that shows the drive.
HTREEITEM FindDrive(HWND tree, const std::wstring& drive) {
    std::vector<HTREEITEM> level = TreeChildren(tree, nullptr);
    for (int depth = 0; depth < 3 && !level.empty(); ++depth) {
        std::vector<HTREEITEM> next;
        for (HTREEITEM it : level) {
            if (IsDriveLabel(TreeItemText(tree, it), drive)) {
                return it;
            }
        }
        for (HTREEITEM it : level) {
            TreeExpand(tree, it);
            for (HTREEITEM c : TreeChildren(tree, it)) {
                next.push_back(c);
            }
        }
        level = next;
    }
    Fail(L"no drive " + drive + L" in the folder tree");
}

void ListLevel(HWND tree, HTREEITEM parent, int depth, int maxDepth, std::vector<std::wstring>& out) {
    if (parent != nullptr) {
        TreeExpand(tree, parent);
    }
    for (HTREEITEM c : TreeChildren(tree, parent)) {
        out.push_back(std::wstring(static_cast<size_t>(depth) * 2, L' ') + TreeItemText(tree, c));
        if (depth + 1 < maxDepth) {
            ListLevel(tree, c, depth + 1, maxDepth, out);
        }
    }
}

}  // namespace

void AnswerWithPath(HWND dialog, const std::wstring& path) {
    HWND edit = nullptr;
    for (const Descendant& d : Descendants(dialog)) {
        if (SameLabel(ClassOf(d.hwnd), L"Edit") && IsWindowVisible(d.hwnd) && IsWindowEnabled(d.hwnd)) {
            edit = d.hwnd;
            break;
        }
    }
    if (edit == nullptr) {
        Fail(L"dialog " + HandleText(dialog) + L" has no visible, enabled edit box");
    }
    SetText(edit, path);
    PressDialogButton(dialog, L"#1");
}

HWND FindDialogButton(HWND dialog, const std::wstring& button) {
    unsigned long long id = 0;
    if (button.size() > 1 && button[0] == L'#' && ParseNumber(button.substr(1), id)) {
        return GetDlgItem(dialog, static_cast<int>(id));
    }
    for (const Descendant& d : Descendants(dialog)) {
        if (IsButton(d.hwnd) && IsWindowVisible(d.hwnd) && ControlTextMatches(TextOf(d.hwnd), button)) {
            return d.hwnd;
        }
    }
    return nullptr;
}

void PressDialogButton(HWND dialog, const std::wstring& button) {
    if (HWND b = FindDialogButton(dialog, button)) {
        Click(b);
        return;
    }
    unsigned long long id = 0;
    if (button.size() > 1 && button[0] == L'#' && ParseNumber(button.substr(1), id)) {
        Fail(L"dialog " + HandleText(dialog) + L" has no button with id " + std::to_wstring(id));
    }
    DialogTexts t = ReadDialogTexts(dialog);
    std::wstring names;
    for (const auto& b : t.buttons) {
        names += L" \"" + EscapeText(b) + L"\"";
    }
    Fail(L"dialog has no button \"" + EscapeText(button) + L"\"; its buttons:" + names);
}

DialogTexts ReadDialogTexts(HWND dialog) {
    DialogTexts t;
    for (const Descendant& d : Descendants(dialog)) {
        if (!IsWindowVisible(d.hwnd)) {
            continue;
        }
        std::wstring cls = ClassOf(d.hwnd);
        if (SameLabel(cls, L"Static")) {
            std::wstring s = TextOf(d.hwnd);
            if (!s.empty()) {
                t.statics.push_back(s);
            }
        } else if (IsButton(d.hwnd)) {
            t.buttons.push_back(StripAccelerators(TextOf(d.hwnd)));
        }
    }
    return t;
}

void PickFolder(HWND dialog, const std::wstring& path) {
    HWND tree = FindTree(dialog);
    std::vector<std::wstring> parts = SplitFolderPath(path);
    if (parts.empty()) {
        Fail(L"empty folder path");
    }
    HTREEITEM item = nullptr;
    size_t next = 0;
    if (parts[0].size() == 2 && parts[0][1] == L':') {
        item = FindDrive(tree, parts[0]);
        next = 1;
    }
    for (; next < parts.size(); ++next) {
        item = ChildLabelled(tree, item, parts[next]);
    }
    TreeSelect(tree, item);
    PressDialogButton(dialog, L"#1");
}

std::vector<std::wstring> ListFolderTree(HWND dialog, int depth) {
    std::vector<std::wstring> out;
    ListLevel(FindTree(dialog), nullptr, 0, depth, out);
    return out;
}

}  // namespace tw::driver
