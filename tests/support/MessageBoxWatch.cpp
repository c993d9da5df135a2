#include "tests/support/MessageBoxWatch.h"

#include <algorithm>
#include <chrono>

namespace tw::test {

namespace {

std::wstring ClassOf(HWND wnd) {
    wchar_t name[64] = {};
    GetClassNameW(wnd, name, 64);
    return name;
}

std::wstring TextOf(HWND wnd) {
    // Sent to the box's thread, which is in the box's modal loop and answers.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    text.resize(copied);
    return text;
}

BOOL CALLBACK CollectBox(HWND wnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(wnd) && ClassOf(wnd) == L"#32770")
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND wnd, LPARAM param) {
    if (ClassOf(wnd) == L"Static") {
        std::wstring text = TextOf(wnd);
        if (!text.empty()) reinterpret_cast<std::wstring*>(param)->append(text);
    }
    return TRUE;
}

}  // namespace

TMessageBoxWatch::TMessageBoxWatch() : thread_([this] { Watch(); }) {}

TMessageBoxWatch::~TMessageBoxWatch() {
    stop_ = true;
    thread_.join();
}

std::vector<std::wstring> TMessageBoxWatch::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

void TMessageBoxWatch::Watch() {
    while (!stop_) {
        std::vector<HWND> boxes;
        EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&boxes));
        for (HWND box : boxes) Answer(box);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void TMessageBoxWatch::Answer(HWND box) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) return;
    }
    std::wstring entry = TextOf(box) + L"\n";
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&entry));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        answered_.push_back(box);
        boxes_.push_back(entry);
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace tw::test
