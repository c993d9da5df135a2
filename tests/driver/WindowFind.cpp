#include "tests/driver/WindowFind.h"

#include "tests/driver/DriverError.h"
#include "tests/driver/Labels.h"
#include "tests/driver/Output.h"

namespace tw::driver {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

std::vector<HWND> AllTopLevels() {
    std::vector<HWND> r;
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        r.push_back(w);
    }
    return r;
}

DWORD ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

bool Matches(HWND w, const WindowSelector& sel, DWORD appPid) {
    if (!sel.includeHidden && !IsWindowVisible(w)) {
        return false;
    }
    if (!sel.className.empty() && !SameLabel(ClassOf(w), sel.className)) {
        return false;
    }
    if (sel.pid != 0 && ProcessOf(w) != sel.pid) {
        return false;
    }
    if (appPid != 0 && ProcessOf(w) != appPid) {
        return false;
    }
    if (!sel.title.empty() || !sel.titleHas.empty()) {
        std::wstring t = TextOf(w);
        if (!sel.title.empty() && !SameLabel(t, sel.title)) {
            return false;
        }
        if (!sel.titleHas.empty() && !ContainsLabel(t, sel.titleHas)) {
            return false;
        }
    }
    return true;
}

bool ChildMatches(HWND w, const ChildSelector& sel) {
    if (sel.hasId && GetDlgCtrlID(w) != sel.id && !(sel.id == -1 && GetDlgCtrlID(w) == 0xFFFF)) {
        return false;
    }
    if (!sel.className.empty() && !IsClass(w, sel.className)) {
        return false;
    }
    if (!sel.text.empty() && !ControlTextMatches(TextOf(w), sel.text)) {
        return false;
    }
    return true;
}

void Collect(HWND parent, int depth, std::vector<Descendant>& out) {
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        out.push_back({c, depth});
        Collect(c, depth + 1, out);
    }
}

}  // namespace

std::wstring ClassOf(HWND w) {
    wchar_t buf[256] = {};
    GetClassNameW(w, buf, 256);
    return buf;
}

std::wstring BaseClassOf(HWND w) {
    wchar_t buf[256] = {};
    if (RealGetWindowClassW(w, buf, 256) == 0) {
        return ClassOf(w);
    }
    return buf;
}

bool IsClass(HWND w, const std::wstring& name) {
    return SameLabel(ClassOf(w), name) || SameLabel(BaseClassOf(w), name);
}

LRESULT SendTimed(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        Fail(L"window " + HandleText(w) + L" did not answer message 0x" + [msg] {
            wchar_t b[16];
            swprintf(b, 16, L"%x", msg);
            return std::wstring(b);
        }());
    }
    return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND w) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len)) {
        return {};
    }
    std::wstring buf(static_cast<size_t>(len) + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &got)) {
        return {};
    }
    buf.resize(got < buf.size() ? static_cast<size_t>(got) : buf.size() - 1);
    return buf;
}

std::vector<HWND> FindTopLevels(const WindowSelector& sel) {
    std::vector<HWND> r;
    if (sel.hwnd != 0) {
        HWND w = reinterpret_cast<HWND>(static_cast<uintptr_t>(sel.hwnd));
        if (IsWindow(w)) {
            r.push_back(w);
        }
        return r;
    }
    DWORD appPid = 0;
    std::vector<HWND> all = AllTopLevels();
    if (!sel.appClass.empty()) {
        for (HWND w : all) {
            if (SameLabel(ClassOf(w), sel.appClass)) {
                appPid = ProcessOf(w);
                break;
            }
        }
        if (appPid == 0) {
            return r;
        }
    }
    for (HWND w : all) {
        if (Matches(w, sel, appPid)) {
            r.push_back(w);
        }
    }
    return r;
}

HWND WaitTopLevel(const WindowSelector& sel, unsigned timeoutMs) {
    if (sel.Empty()) {
        Fail(L"no window given: use --class, --title, --title-has, --hwnd, --pid or --app");
    }
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        std::vector<HWND> found = FindTopLevels(sel);
        if (!found.empty()) {
            return found.front();
        }
        if (GetTickCount64() >= end) {
            Fail(L"no window " + Describe(sel) + L" within " + std::to_wstring(timeoutMs) + L" ms");
        }
        Sleep(50);
    }
}

std::vector<Descendant> Descendants(HWND root) {
    std::vector<Descendant> r;
    Collect(root, 1, r);
    return r;
}

HWND FindChild(HWND root, const ChildSelector& sel, unsigned timeoutMs) {
    if (sel.Empty()) {
        return root;
    }
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        int seen = 0;
        for (const Descendant& d : Descendants(root)) {
            if (ChildMatches(d.hwnd, sel) && ++seen == sel.nth) {
                return d.hwnd;
            }
        }
        if (GetTickCount64() >= end) {
            Fail(L"no control " + Describe(sel) + L" in window " + HandleText(root) + L" (" + ClassOf(root) + L")");
        }
        Sleep(50);
    }
}

std::wstring Describe(const WindowSelector& sel) {
    std::wstring r;
    auto add = [&r](const std::wstring& k, const std::wstring& v) {
        r += (r.empty() ? L"" : L" ") + k + L"=\"" + EscapeText(v) + L"\"";
    };
    if (!sel.className.empty()) add(L"class", sel.className);
    if (!sel.title.empty()) add(L"title", sel.title);
    if (!sel.titleHas.empty()) add(L"title-has", sel.titleHas);
    if (sel.hwnd != 0) add(L"hwnd", HandleText(reinterpret_cast<void*>(static_cast<uintptr_t>(sel.hwnd))));
    if (sel.pid != 0) add(L"pid", std::to_wstring(sel.pid));
    if (!sel.appClass.empty()) add(L"app", sel.appClass);
    if (!sel.includeHidden) r += L" (visible)";
    return r;
}

std::wstring Describe(const ChildSelector& sel) {
    std::wstring r;
    if (sel.hasId) r += L"id=" + std::to_wstring(sel.id) + L" ";
    if (!sel.className.empty()) r += L"class=\"" + EscapeText(sel.className) + L"\" ";
    if (!sel.text.empty()) r += L"text=\"" + EscapeText(sel.text) + L"\" ";
    if (sel.nth > 1) r += L"nth=" + std::to_wstring(sel.nth);
    return r;
}

}  // namespace tw::driver
