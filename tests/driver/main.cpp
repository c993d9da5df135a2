// twdriver: drives a running Windows program from test scripts, one action per call (or, with
// --serve, one call after another in one process).
#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/ControlOps.h"
#include "tests/driver/DialogOps.h"
#include "tests/driver/DriverArgs.h"
#include "tests/driver/DriverError.h"
#include "tests/driver/Labels.h"
#include "tests/driver/Output.h"
#include "tests/driver/PropertyOps.h"
#include "tests/driver/Serve.h"
#include "tests/driver/WindowFind.h"
#include "tests/driver/WindowOps.h"
#include "tests/driver/WindowTerms.h"

using namespace tw::driver;

namespace {

const wchar_t kHelp[] =
    LR"HELP(usage: twdriver COMMAND [WINDOW] [CONTROL] [ARGS]

Drives a program's windows from a test script. Prints UTF-8; exits 0 on success, 1 when a
step fails (with a message on stderr), 2 on a usage error.
twdriver --serve runs one command line after another from stdin and answers each on stdout
(framing in tests/driver/ServeFrame.h): the same commands, the same texts and statuses.

WINDOW, the top-level window to act on (visible windows only, unless --hidden):
  --class NAME        window class, e.g. TFrmMain
  --title TEXT        whole title          --title-has TEXT   part of the title
  --hwnd 0xHEX        a handle printed earlier
  --pid N             windows of process N --app CLASS        windows of the process owning CLASS
  --timeout MS        how long to wait for windows and controls (default 10000)
  Dialog commands look for a "#32770" window when no --class is given.
CONTROL, a descendant of WINDOW (none: WINDOW itself):
  --id N    control id      --text TEXT   its text
  --cclass NAME  its class, or the system class it is built on where the system tells
                 (tree then shows "Class(BaseClass)"); Wine does not tell it for classes a
                 program registers itself, such as TComboBox: name those as they are
  --nth K   the K-th match, depth-first from 1

Commands:
  wait                 wait for WINDOW; print handle, class, title
  gone                 wait until no WINDOW matches
  list                 every matching top-level window: handle pid class "title"
  tree                 WINDOW and its descendants: handle class id "text" style visible
                       enabled, rect relative to WINDOW's client area and screen rect
  state                CONTROL's (or WINDOW's) state: "visible=0|1 enabled=0|1"
  text                 print CONTROL's text
  settext TEXT         set CONTROL's text (WM_SETTEXT)
  click                press CONTROL, a button (BM_CLICK, posted)
  drop PATH...         drop the files or folders on CONTROL (WM_DROPFILES, posted)
  dblclick-row ROW     double-click row ROW (from 0) of list view CONTROL (posted)
  combo                CONTROL's combo items, one a line, the selected one marked "*"
  select ITEM          select ITEM (text, or #index) in combo box CONTROL and notify its parent
  rows                 list view CONTROL, tab-separated: a header line "#, sel, columns...",
                       then one line per row: index, 1 when selected else 0, cells (tabs and
                       line breaks inside a cell become spaces)
  selected             the indexes of the list view's selected rows, one a line
  progress             progress bar CONTROL: "pos min max"
  prop NAME.PROPERTY   a published property of a component of WINDOW, a framework form (a
                       windowless label's text: prop lblInfo.Caption)
  close                post WM_CLOSE to WINDOW
  dialog-path PATH     file dialog: type PATH into its first visible enabled edit box, press OK
  press BUTTON         press the dialog's button BUTTON (its text, or #id: #1 OK, #2 Cancel)
  msgbox [BUTTON]      print the message box's texts ("text: ...", "button: ..."); press BUTTON
                       and wait for the box to go
  folder PATH          folder browser: select PATH (Z:\dir\sub, or item labels a/b/c) and press OK
  folder-tree [DEPTH]  folder browser: its tree items to DEPTH levels (default 2)
  send MSG [WP [LP]]   send message MSG to CONTROL (or WINDOW); print its answer, signed and
                       as hex ("1 0x1"); numbers in decimal, -decimal or 0xhex
  ask MSG HWND...      send MSG (no parameters) to each window HWND (no WINDOW needed); print
                       "HWND ANSWER" a line, "HWND -" for a window that is gone or did not
                       answer: one call for a whole list of controls
  rects                WINDOW's (or CONTROL's) rectangles on the screen and the frame around
                       its client area: "window=X,Y,WxH client=X,Y,WxH frame=L,T,R,B"
  region [X,Y ...]     its window region: "type=none|empty|simple|complex box=X,Y,WxH" (none:
                       no region, the box is the whole window), then "X,Y in=0|1" per point;
                       points and box in window coordinates (0,0: the window's top-left)
  hittest X,Y          its WM_NCHITTEST answer for that point (window coordinates): "HTCAPTION 2"

Examples:
  twdriver wait --class TFrmMain --timeout 20000
  twdriver click --class TFrmMain --text "立即转换"
  twdriver rows --class TFrmMain --cclass SysListView32
  twdriver folder --app TFrmMain "Z:\tmp\out"
  twdriver send --title-has "Skin Gallery" 0x3523
  twdriver region --class TFrmMain 0,0 20,20
)HELP";

std::wstring Rect(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right - r.left) + L"x" +
           std::to_wstring(r.bottom - r.top);
}

// A list cell as one tab-separated field: paths stay as they are, tabs and line breaks
// become spaces.
std::wstring OneLine(std::wstring text) {
    for (auto& c : text) {
        if (c == L'\t' || c == L'\r' || c == L'\n') {
            c = L' ';
        }
    }
    return text;
}

std::wstring Hex(unsigned long long v) {
    wchar_t b[24];
    swprintf(b, 24, L"0x%llx", v);
    return b;
}

void PrintTree(HWND root) {
    POINT origin = {0, 0};
    ClientToScreen(root, &origin);
    auto line = [&](HWND w, int depth) {
        RECT scr = {};
        GetWindowRect(w, &scr);
        RECT rel = scr;
        OffsetRect(&rel, -origin.x, -origin.y);
        std::wstring cls = ClassOf(w);
        std::wstring base = BaseClassOf(w);
        if (!SameLabel(base, cls)) {
            cls += L"(" + base + L")";
        }
        std::wstring s = std::wstring(static_cast<size_t>(depth) * 2, L' ') + HandleText(w) + L" " + cls + L" id=" +
                         std::to_wstring(depth == 0 ? 0 : GetDlgCtrlID(w)) + L" \"" + EscapeText(TextOf(w)) +
                         L"\" style=" +
                         Hex(static_cast<unsigned long long>(GetWindowLongPtrW(w, GWL_STYLE)) & 0xFFFFFFFFull) +
                         L" visible=" + (IsWindowVisible(w) ? L"1" : L"0") + L" enabled=" +
                         (IsWindowEnabled(w) ? L"1" : L"0") + L" rel=" + Rect(rel) + L" screen=" + Rect(scr);
        if (depth == 0) {
            RECT client = {};
            GetClientRect(w, &client);
            OffsetRect(&client, origin.x, origin.y);
            s += L" client=" + Rect(client);
        }
        Out(s);
    };
    line(root, 0);
    for (const Descendant& d : Descendants(root)) {
        line(d.hwnd, d.depth);
    }
}

// Point arguments from position `from` on.
std::vector<POINT> Points(const DriverArgs& a, size_t from) {
    std::vector<POINT> points;
    for (size_t i = from; i < a.positional.size(); ++i) {
        POINT p{};
        int x = 0, y = 0;
        if (!ParsePoint(a.positional[i], x, y)) {
            throw ArgsError{a.command + L": a point is X,Y, not '" + a.positional[i] + L"'"};
        }
        p.x = x;
        p.y = y;
        points.push_back(p);
    }
    return points;
}

long long SignedArg(const DriverArgs& a, size_t i, const wchar_t* what) {
    long long v = 0;
    if (a.positional.size() > i && !ParseSigned(a.positional[i], v)) {
        throw ArgsError{a.command + L": bad number for " + what + L": '" + a.positional[i] + L"'"};
    }
    return v;
}

std::wstring Arg(const DriverArgs& a, size_t i, const wchar_t* what) {
    if (a.positional.size() <= i) {
        throw ArgsError{a.command + L" needs " + what};
    }
    return a.positional[i];
}

HWND Dialog(DriverArgs a) {
    if (a.window.className.empty()) {
        a.window.className = L"#32770";
    }
    return WaitTopLevel(a.window, a.timeoutMs);
}

// The dialog once it holds the button: one being made or taken down is visible for a moment
// without its buttons (the next box of a program can be looked for while the last one goes).
// After the timeout, the dialog as it is, for the press to say what it lacks.
HWND DialogWithButton(const DriverArgs& a, const std::wstring& button) {
    const ULONGLONG end = GetTickCount64() + a.timeoutMs;
    for (;;) {
        HWND d = Dialog(a);
        if (FindDialogButton(d, button) != nullptr || GetTickCount64() >= end) {
            return d;
        }
        Sleep(20);
    }
}

int Run(const DriverArgs& a) {
    const std::wstring& c = a.command;
    if (c == L"wait") {
        HWND w = WaitTopLevel(a.window, a.timeoutMs);
        Out(HandleText(w) + L" " + ClassOf(w) + L" \"" + EscapeText(TextOf(w)) + L"\"");
    } else if (c == L"gone") {
        ULONGLONG end = GetTickCount64() + a.timeoutMs;
        while (!FindTopLevels(a.window).empty()) {
            if (GetTickCount64() >= end) {
                Fail(L"window " + Describe(a.window) + L" still there after " + std::to_wstring(a.timeoutMs) + L" ms");
            }
            Sleep(50);
        }
    } else if (c == L"list") {
        for (HWND w : FindTopLevels(a.window)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            Out(HandleText(w) + L" " + std::to_wstring(pid) + L" " + ClassOf(w) + L" \"" + EscapeText(TextOf(w)) +
                L"\"");
        }
    } else if (c == L"tree") {
        PrintTree(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs));
    } else if (c == L"state") {
        HWND w = FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs);
        Out(std::wstring(L"visible=") + (IsWindowVisible(w) ? L"1" : L"0") + L" enabled=" +
            (IsWindowEnabled(w) ? L"1" : L"0"));
    } else if (c == L"prop") {
        std::wstring path = Arg(a, 0, L"a property path");
        Out(QueryProperty(WaitTopLevel(a.window, a.timeoutMs), path, a.timeoutMs));
    } else if (c == L"text") {
        Out(TextOf(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs)));
    } else if (c == L"settext") {
        std::wstring text = Arg(a, 0, L"a text");
        SetText(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs), text);
    } else if (c == L"click") {
        Click(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs));
    } else if (c == L"drop") {
        Arg(a, 0, L"a file");
        DropFiles(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs), a.positional);
    } else if (c == L"dblclick-row") {
        long long row = SignedArg(a, 0, L"the row");
        DoubleClickRow(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs), static_cast<int>(row));
    } else if (c == L"combo") {
        ComboState s = ReadCombo(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs));
        for (size_t i = 0; i < s.items.size(); ++i) {
            Out((static_cast<int>(i) == s.selected ? L"* " : L"  ") + s.items[i]);
        }
    } else if (c == L"select") {
        std::wstring item = Arg(a, 0, L"an item");
        SelectComboItem(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs), item);
    } else if (c == L"rows" || c == L"selected") {
        ListViewContent v = ReadListView(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs));
        if (c == L"rows") {
            std::wstring head = L"#\tsel";
            for (const auto& col : v.columns) {
                head += L"\t" + OneLine(col);
            }
            Out(head);
        }
        for (size_t r = 0; r < v.rows.size(); ++r) {
            if (c == L"selected") {
                if (v.selected[r]) {
                    Out(std::to_wstring(r));
                }
                continue;
            }
            std::wstring line = std::to_wstring(r) + (v.selected[r] ? L"\t1" : L"\t0");
            for (const auto& cell : v.rows[r]) {
                line += L"\t" + OneLine(cell);
            }
            Out(line);
        }
    } else if (c == L"progress") {
        ProgressState p = ReadProgress(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs));
        Out(std::to_wstring(p.pos) + L" " + std::to_wstring(p.min) + L" " + std::to_wstring(p.max));
    } else if (c == L"close") {
        HWND w = WaitTopLevel(a.window, a.timeoutMs);
        if (!PostMessageW(w, WM_CLOSE, 0, 0)) {
            Fail(L"cannot post WM_CLOSE to " + HandleText(w));
        }
    } else if (c == L"dialog-path") {
        std::wstring path = Arg(a, 0, L"a path");
        AnswerWithPath(Dialog(a), path);
    } else if (c == L"press") {
        std::wstring button = Arg(a, 0, L"a button");
        PressDialogButton(DialogWithButton(a, button), button);
    } else if (c == L"msgbox") {
        HWND d = a.positional.empty() ? Dialog(a) : DialogWithButton(a, a.positional[0]);
        DialogTexts t = ReadDialogTexts(d);
        Out(L"title: " + EscapeText(TextOf(d)));
        for (const auto& s : t.statics) {
            Out(L"text: " + EscapeText(s));
        }
        for (const auto& b : t.buttons) {
            Out(L"button: " + EscapeText(b));
        }
        if (!a.positional.empty()) {
            PressDialogButton(d, a.positional[0]);
            // A box's button ends it: the call returns once it has gone, so that the next call
            // cannot find this box again (the press is only posted to it).
            const ULONGLONG end = GetTickCount64() + a.timeoutMs;
            while (IsWindow(d) && IsWindowVisible(d)) {
                if (GetTickCount64() >= end) {
                    Fail(L"message box " + HandleText(d) + L" still there " + std::to_wstring(a.timeoutMs) +
                         L" ms after its button was pressed");
                }
                Sleep(10);
            }
        }
    } else if (c == L"folder") {
        std::wstring path = Arg(a, 0, L"a folder");
        PickFolder(Dialog(a), path);
    } else if (c == L"folder-tree") {
        unsigned long long depth = 2;
        if (!a.positional.empty() && (!ParseNumber(a.positional[0], depth) || depth == 0 || depth > 16)) {
            throw ArgsError{L"folder-tree depth is a number from 1 to 16"};
        }
        for (const auto& line : ListFolderTree(Dialog(a), static_cast<int>(depth))) {
            Out(line);
        }
    } else if (c == L"send") {
        Arg(a, 0, L"a message number");
        long long msg = SignedArg(a, 0, L"the message");
        if (msg < 0 || msg > 0xFFFF) {
            // Messages above 0xFFFF are not marshalled between processes.
            throw ArgsError{L"send: the message is a number from 0 to 0xFFFF"};
        }
        if (a.positional.size() > 3) {
            throw ArgsError{L"send takes a message, a wParam and an lParam"};
        }
        const WPARAM wp = static_cast<WPARAM>(SignedArg(a, 1, L"wParam"));
        const LPARAM lp = static_cast<LPARAM>(SignedArg(a, 2, L"lParam"));
        HWND w = FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs);
        const LRESULT answer = SendAndAnswer(w, static_cast<UINT>(msg), wp, lp);
        Out(std::to_wstring(static_cast<long long>(answer)) + L" " +
            Hex(static_cast<unsigned long long>(static_cast<ULONG_PTR>(answer))));
    } else if (c == L"ask") {
        const long long msg = SignedArg(a, 0, L"the message");
        if (msg < 0 || msg > 0xFFFF || a.positional.size() < 2) {
            throw ArgsError{L"ask takes a message from 0 to 0xFFFF and the windows to send it to"};
        }
        for (size_t i = 1; i < a.positional.size(); ++i) {
            unsigned long long handle = 0;
            if (!ParseNumber(a.positional[i], handle)) {
                throw ArgsError{L"ask: bad window handle " + a.positional[i]};
            }
            HWND w = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(handle));
            DWORD_PTR answer = 0;
            const bool answered = IsWindow(w) && SendMessageTimeoutW(w, static_cast<UINT>(msg), 0, 0, SMTO_ABORTIFHUNG,
                                                                     2000, &answer) != 0;
            Out(HandleText(w) + L" " +
                (answered ? std::to_wstring(static_cast<long long>(static_cast<LRESULT>(answer))) : L"-"));
        }
    } else if (c == L"rects") {
        WindowRects r = ReadRects(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs));
        Out(L"window=" + Rect(r.window) + L" client=" + Rect(r.client) + L" frame=" + std::to_wstring(r.frame.left) +
            L"," + std::to_wstring(r.frame.top) + L"," + std::to_wstring(r.frame.right) + L"," +
            std::to_wstring(r.frame.bottom));
    } else if (c == L"region") {
        std::vector<POINT> points = Points(a, 0);
        WindowRegion r = ReadRegion(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs), points);
        Out(std::wstring(L"type=") + RegionTypeName(r.type) + L" box=" + Rect(r.box));
        for (size_t i = 0; i < points.size(); ++i) {
            Out(a.positional[i] + L" in=" + (r.inside[i] ? L"1" : L"0"));
        }
    } else if (c == L"hittest") {
        Arg(a, 0, L"a point X,Y");
        std::vector<POINT> points = Points(a, 0);
        if (points.size() != 1) {
            throw ArgsError{L"hittest takes one point"};
        }
        const LRESULT code = HitTest(FindChild(WaitTopLevel(a.window, a.timeoutMs), a.child, a.timeoutMs), points[0]);
        Out(HitTestName(code) + L" " + std::to_wstring(static_cast<long long>(code)));
    } else {
        throw ArgsError{L"unknown command " + c + L" (see --help)"};
    }
    return 0;
}

// One command line, start to end: what the process exits with, or what the server answers.
int RunCommandLine(const std::vector<std::wstring>& args) {
    if (args.empty() || args[0] == L"--help" || args[0] == L"-h" || args[0] == L"help") {
        Out(kHelp);
        return args.empty() ? 2 : 0;
    }
    try {
        return Run(ParseDriverArgs(args));
    } catch (const ArgsError& e) {
        Err(e.message);
        return 2;
    } catch (const DriverError& e) {
        Err(L"error: " + e.message);
        return 1;
    } catch (const std::exception& e) {
        Err(L"error: " + FromUtf8(e.what()));
        return 1;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == L"--serve") {
        return Serve(RunCommandLine);
    }
    return RunCommandLine(args);
}
