// The window twdriver's end-to-end test drives: one control of each kind the converter uses
// (owner-data list view, drop-down list, progress bar, edit boxes) and buttons that open a file
// dialog, the shell's folder browser and a message box, writing what they returned into
// edit boxes the test reads back.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>

#include "framework/win/Handles.h"

namespace {

enum : int {
    kFileEdit = 201,
    kFileButton,
    kFolderEdit,
    kFolderButton,
    kAskButton,
    kAnswer,
    kCombo,
    kComboNote,
    kList,
    kProgress
};

const wchar_t* const kRows[3][2] = {
    {L"Z:\\片段\\一.rm", L"完成"}, {L"Z:\\片段\\二.avi", L"等待"}, {L"Z:\\片段\\三.wmv", L""}};

HWND Make(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

void Create(HWND w) {
    Make(w, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 300, 22, kFileEdit);
    Make(w, L"BUTTON", L"打开文件", BS_PUSHBUTTON, 320, 10, 90, 24, kFileButton);
    Make(w, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | ES_READONLY, 10, 40, 300, 22, kFolderEdit);
    Make(w, L"BUTTON", L"设置输出目录", BS_PUSHBUTTON, 320, 40, 90, 24, kFolderButton);
    Make(w, L"BUTTON", L"&Ask", BS_PUSHBUTTON, 320, 70, 90, 24, kAskButton);
    Make(w, L"STATIC", L"", 0, 10, 74, 300, 18, kAnswer);
    HWND combo = Make(w, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 100, 120, 200, kCombo);
    for (const wchar_t* item : {L"40K", L"80K", L"120K"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    Make(w, L"STATIC", L"", 0, 140, 104, 170, 18, kComboNote);

    HWND list = Make(w, WC_LISTVIEWW, L"", LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_BORDER, 10, 130, 400,
                     100, kList);
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.cx = 300;
    col.pszText = const_cast<wchar_t*>(L"文件路径");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    col.cx = 80;
    col.pszText = const_cast<wchar_t*>(L"状态");
    SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&col));
    SendMessageW(list, LVM_SETITEMCOUNT, 3, 0);
    LVITEMW sel = {};
    sel.stateMask = LVIS_SELECTED;
    sel.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&sel));

    HWND bar = Make(w, PROGRESS_CLASSW, L"", 0, 10, 240, 400, 18, kProgress);
    SendMessageW(bar, PBM_SETRANGE32, 0, 200);
    SendMessageW(bar, PBM_SETPOS, 37, 0);
}

void OpenFile(HWND w) {
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = w;
    ofn.lpstrFilter = L"视频文件\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = L"选择视频";
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    SetDlgItemTextW(w, kFileEdit, GetOpenFileNameW(&ofn) ? path : L"(cancelled)");
}

void PickFolder(HWND w) {
    wchar_t name[MAX_PATH] = {};
    BROWSEINFOW bi = {};
    bi.hwndOwner = w;
    bi.pszDisplayName = name;
    bi.lpszTitle = L"请选择文件";
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    const tw::TCoTaskMemory<ITEMIDLIST> id(SHBrowseForFolderW(&bi));
    std::wstring result = L"(cancelled)";
    wchar_t path[MAX_PATH] = {};
    if (id && SHGetPathFromIDListW(id.Get(), path)) {
        result = path;
    }
    SetDlgItemTextW(w, kFolderEdit, result.c_str());
}

LRESULT CALLBACK WndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            Create(w);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case kFileButton:
                    OpenFile(w);
                    break;
                case kFolderButton:
                    PickFolder(w);
                    break;
                case kAskButton: {
                    int r = MessageBoxW(w, L"转换完成", L"提示", MB_OKCANCEL | MB_ICONINFORMATION);
                    SetDlgItemTextW(w, kAnswer,
                                    r == IDOK       ? L"answer=ok"
                                    : r == IDCANCEL ? L"answer=cancel"
                                                    : L"answer=?");
                    break;
                }
                case kCombo:
                    if (HIWORD(wp) == CBN_SELCHANGE) {
                        wchar_t item[64] = {};
                        HWND combo = reinterpret_cast<HWND>(lp);
                        SendMessageW(combo, CB_GETLBTEXT, SendMessageW(combo, CB_GETCURSEL, 0, 0),
                                     reinterpret_cast<LPARAM>(item));
                        SetDlgItemTextW(w, kComboNote, (std::wstring(L"picked ") + item).c_str());
                    }
                    break;
                default:
                    break;
            }
            return 0;
        case WM_NOTIFY: {
            auto* info = reinterpret_cast<NMLVDISPINFOW*>(lp);
            if (info->hdr.idFrom == kList && info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT) &&
                info->item.iItem >= 0 && info->item.iItem < 3 && info->item.iSubItem >= 0 && info->item.iSubItem < 2) {
                lstrcpynW(info->item.pszText, kRows[info->item.iItem][info->item.iSubItem], info->item.cchTextMax);
            }
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(w, msg, wp, lp);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    if (FAILED(CoInitialize(nullptr))) {
        return 100;
    }
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TwDriverTarget";
    RegisterClassExW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"twdriver target", WS_OVERLAPPEDWINDOW, 50, 50, 440, 320, nullptr,
                             nullptr, instance, nullptr);
    if (w == nullptr) {
        return 101;
    }
    ShowWindow(w, show);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(GetActiveWindow(), &m)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    CoUninitialize();
    return static_cast<int>(m.wParam);
}
