#include "tests/driver/ControlOps.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstddef>

#include "tests/driver/DriverArgs.h"
#include "tests/driver/DriverError.h"
#include "tests/driver/Labels.h"
#include "tests/driver/Output.h"
#include "tests/driver/RemoteBuffer.h"
#include "tests/driver/WindowFind.h"

namespace tw::driver {

namespace {

constexpr size_t kTextChars = 1024;

std::wstring ReadRemoteText(const RemoteBuffer& buf, size_t offset) {
    std::wstring text(kTextChars, L'\0');
    buf.Read(offset, text.data(), kTextChars * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), kTextChars));
    return text;
}

}  // namespace

void SetText(HWND w, const std::wstring& text) {
    if (!SendTimed(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))) {
        Fail(L"the control refused the text");
    }
}

void Click(HWND button) {
    if (!IsWindowEnabled(button)) {
        Fail(L"button " + HandleText(button) + L" \"" + EscapeText(TextOf(button)) + L"\" is disabled");
    }
    if (!PostMessageW(button, BM_CLICK, 0, 0)) {
        Fail(L"cannot post to button " + HandleText(button));
    }
}

void DropFiles(HWND target, const std::vector<std::wstring>& paths) {
    if (paths.empty()) Fail(L"drop: no files");
    std::vector<wchar_t> names;
    for (const auto& path : paths) {
        names.insert(names.end(), path.begin(), path.end());
        names.push_back(L'\0');
    }
    names.push_back(L'\0');
    DROPFILES head = {};
    head.pFiles = sizeof head;
    head.fWide = TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(target, &pid);
    THandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid));
    if (!process) Fail(L"cannot open the process of the window (error " + std::to_wstring(GetLastError()) + L")");
    const size_t size = sizeof head + names.size() * sizeof(wchar_t);
    void* block = VirtualAllocEx(process.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T done = 0;
    if (!block || !WriteProcessMemory(process.Get(), block, &head, sizeof head, &done) ||
        !WriteProcessMemory(process.Get(), static_cast<char*>(block) + sizeof head, names.data(),
                            names.size() * sizeof(wchar_t), &done)) {
        Fail(L"cannot write the dropped names into the window's process");
    }
    if (!PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0)) {
        Fail(L"cannot post to window " + HandleText(target));
    }
}

void DoubleClickRow(HWND list, int row) {
    // A row scrolled out of view is brought in first, as a user would scroll to it: a click
    // outside the rows' area hits no row.
    SendTimed(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RemoteBuffer buf(list, sizeof(RECT));
    RECT r = {};
    r.left = LVIR_BOUNDS;
    buf.Write(0, &r, sizeof r);
    if (!SendTimed(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buf.At(0)))) {
        Fail(L"the list view has no row " + std::to_wstring(row));
    }
    buf.Read(0, &r, sizeof r);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    if (!PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y))) {
        Fail(L"cannot post to the list view " + HandleText(list));
    }
}

ComboState ReadCombo(HWND combo) {
    ComboState s;
    LRESULT n = SendTimed(combo, CB_GETCOUNT, 0, 0);
    if (n == CB_ERR) {
        Fail(L"window " + HandleText(combo) + L" is not a combo box");
    }
    for (LRESULT i = 0; i < n; ++i) {
        LRESULT len = SendTimed(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(len > 0 ? static_cast<size_t>(len) + 1 : 1, L'\0');
        // The system marshals CB_GETLBTEXT for standard combo boxes across processes.
        LRESULT got = SendTimed(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(got > 0 ? static_cast<size_t>(got) : 0);
        s.items.push_back(item);
    }
    s.selected = static_cast<int>(SendTimed(combo, CB_GETCURSEL, 0, 0));
    return s;
}

void SelectComboItem(HWND combo, const std::wstring& item) {
    ComboState s = ReadCombo(combo);
    int index = -1;
    unsigned long long n = 0;
    if (item.size() > 1 && item[0] == L'#' && ParseNumber(item.substr(1), n)) {
        if (n < s.items.size()) {
            index = static_cast<int>(n);
        }
    } else {
        for (size_t i = 0; i < s.items.size(); ++i) {
            if (s.items[i] == item) {
                index = static_cast<int>(i);
                break;
            }
        }
    }
    if (index < 0) {
        Fail(L"the combo box has no item \"" + EscapeText(item) + L"\"");
    }
    if (SendTimed(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index) {
        Fail(L"the combo box refused item " + std::to_wstring(index));
    }
    // CB_SETCURSEL alone does not notify; a user's choice does.
    HWND parent = GetParent(combo);
    WPARAM wp = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
    SendTimed(parent, WM_COMMAND, wp, reinterpret_cast<LPARAM>(combo));
}

ProgressState ReadProgress(HWND bar) {
    ProgressState s;
    s.pos = static_cast<int>(SendTimed(bar, PBM_GETPOS, 0, 0));
    s.min = static_cast<int>(SendTimed(bar, PBM_GETRANGE, TRUE, 0));
    s.max = static_cast<int>(SendTimed(bar, PBM_GETRANGE, FALSE, 0));
    return s;
}

ListViewContent ReadListView(HWND list) {
    ListViewContent c;
    // One remote block: the item or column struct, then its text buffer.
    constexpr size_t kTextAt = 256;
    static_assert(sizeof(LVITEMW) <= kTextAt && sizeof(LVCOLUMNW) <= kTextAt, "layout");
    RemoteBuffer buf(list, kTextAt + kTextChars * sizeof(wchar_t));
    auto* remoteText = static_cast<wchar_t*>(buf.At(kTextAt));

    HWND header = reinterpret_cast<HWND>(SendTimed(list, LVM_GETHEADER, 0, 0));
    int columns = header ? static_cast<int>(SendTimed(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    if (columns <= 0) {
        columns = 1;  // not a report view: one column of item texts
    }
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNW col = {};
        col.mask = LVCF_TEXT;
        col.pszText = remoteText;
        col.cchTextMax = static_cast<int>(kTextChars);
        buf.Write(0, &col, sizeof col);
        std::wstring name;
        if (SendTimed(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf.At(0)))) {
            name = ReadRemoteText(buf, kTextAt);
        }
        c.columns.push_back(name);
    }

    int count = static_cast<int>(SendTimed(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> cells;
        for (int sub = 0; sub < columns; ++sub) {
            LVITEMW item = {};
            item.iSubItem = sub;
            item.pszText = remoteText;
            item.cchTextMax = static_cast<int>(kTextChars);
            buf.Write(0, &item, sizeof item);
            wchar_t zero = 0;
            buf.Write(kTextAt, &zero, sizeof zero);
            SendTimed(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buf.At(0)));
            cells.push_back(ReadRemoteText(buf, kTextAt));
        }
        c.rows.push_back(cells);
        c.selected.push_back(
            (SendTimed(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0);
    }
    return c;
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    constexpr size_t kTextAt = 128;
    static_assert(sizeof(TVITEMW) <= kTextAt, "layout");
    RemoteBuffer buf(tree, kTextAt + kTextChars * sizeof(wchar_t));
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = item;
    tv.pszText = static_cast<wchar_t*>(buf.At(kTextAt));
    tv.cchTextMax = static_cast<int>(kTextChars);
    buf.Write(0, &tv, sizeof tv);
    if (!SendTimed(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buf.At(0)))) {
        Fail(L"cannot read tree item " + HandleText(item));
    }
    // The control may answer with its own text pointer instead of filling ours.
    TVITEMW back = {};
    buf.Read(0, &back, sizeof back);
    if (back.pszText != tv.pszText) {
        Fail(L"tree item " + HandleText(item) + L" returned text outside our buffer");
    }
    return ReadRemoteText(buf, kTextAt);
}

std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM parent) {
    std::vector<HTREEITEM> r;
    HTREEITEM it = parent == nullptr ? reinterpret_cast<HTREEITEM>(SendTimed(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0))
                                     : reinterpret_cast<HTREEITEM>(SendTimed(tree, TVM_GETNEXTITEM, TVGN_CHILD,
                                                                             reinterpret_cast<LPARAM>(parent)));
    while (it != nullptr) {
        r.push_back(it);
        it = reinterpret_cast<HTREEITEM>(SendTimed(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(it)));
    }
    return r;
}

void TreeExpand(HWND tree, HTREEITEM item) { SendTimed(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)); }

void TreeSelect(HWND tree, HTREEITEM item) {
    SendTimed(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    if (!SendTimed(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item))) {
        Fail(L"the tree view refused to select item " + HandleText(item));
    }
}

}  // namespace tw::driver
