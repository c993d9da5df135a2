// TForm and TApplication: top-level windows with their creation and close events, and the
// application object with its message loop and top-level error report.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/win/Control.h"
#include "framework/win/Handles.h"

namespace tw {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TMainMenu;

class TForm : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    RECT ClientRect() const override;

    HMENU Menu() const { return menu_; }
    void SetMenu(HMENU menu);
    // The menu object of the menu bar: its items' commands run their clicks, and the bar
    // follows every change of its items.
    TMainMenu* MainMenu() const { return mainMenu_; }
    void SetMainMenu(TMainMenu* menu);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }

    // Called once, after the stored values are in and Loaded has run: fires OnCreate.
    void DoCreate();
    void Close();
    // Frees the form once the messages under way have returned.
    void Release();

    TNotifyEvent OnCreate;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    // Window size for a client size under the current styles.
    SIZE WindowSizeForClient(int clientWidth, int clientHeight) const;
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    int clientWidth_ = 0, clientHeight_ = 0;
    HMENU menu_ = nullptr;
    TMainMenu* mainMenu_ = nullptr;
    bool autoScroll_ = true;
};

class TApplication : public TComponent {
    TW_CLASS_INFO()
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    // Makes a form owned by the application; the first one becomes the main form.
    template <class T>
    T* CreateForm() {
        // The new form and everything it makes are read as loading; forms made earlier are not
        // loaded a second time.
        MarkLoading(true);
        T* form = nullptr;
        try {
            form = new T(this);
        } catch (...) {
            MarkLoading(false);
            throw;
        }
        MarkLoading(false);
        forms_.push_back(form);
        if (!mainForm_) mainForm_ = form;
        form->EndLoading();
        form->DoCreate();
        return form;
    }
    // Makes the main form and runs the message loop until it closes: the program's whole run.
    // Anything thrown on the way reaches the user in the top-level error box, and the answer,
    // the process's exit code, is then non-zero.
    template <class T>
    int Execute() {
        try {
            CreateForm<T>();
            Run();
            return 0;
        } catch (...) {
            HandleCurrentException();
            return 1;
        }
    }
    // Shows the main form and runs the message loop until it closes.
    void Run();
    // Handles every message waiting in the queue; answers false once the program is ending.
    bool ProcessMessages();
    // Waits until handle is signalled or a message arrives (or timeout ms pass), without
    // spinning; answers true when the handle was signalled.
    bool WaitForHandleOrMessage(HANDLE handle, DWORD timeout);
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Shows the message of an error that reached the top of a message handler.
    void HandleException(const std::exception& error);
    // The same for the error being handled, of whatever type; only inside a catch block. Never
    // throws: a failure to show the box is dropped.
    void HandleCurrentException() noexcept;
    int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);

    // Runs fn on the GUI thread from any thread (posted; returns at once).
    void Invoke(std::function<void()> fn);

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title) { title_ = title; }
    TForm* MainForm() const { return mainForm_; }
    const std::vector<TForm*>& Forms() const { return forms_; }
    HWND Handle() const { return utilityWindow_.Get(); }

    // Called by forms as they go.
    void FormDestroyed(TForm* form);

private:
    static LRESULT CALLBACK UtilityProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool HandleKeyboard(MSG& msg);

    std::wstring title_;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    TWindowHandle utilityWindow_;
};

// The application object of the process (set by TApplication's constructor).
extern TApplication* Application;

// The boundary of every window procedure, hook, timer callback and posted call: runs work, and
// whatever it throws, of any type, goes to the application's error box instead of into the system.
template <class F>
void GuardCallback(F&& work) noexcept {
    try {
        work();
    } catch (...) {
        if (Application) Application->HandleCurrentException();
    }
}

}  // namespace tw
