#include "framework/win/Forms.h"

#include "framework/win/Menus.h"

#ifdef TW_PROPERTY_QUERIES
#include "framework/win/PropertyQuery.h"
#endif

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <memory>

namespace tw {

TApplication* Application = nullptr;

// ---------------------------------------------------------------- TForm

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info{
        "TForm",
        &TWinControl::StaticClassInfo(),
        {
            IntProp<TForm>(
                "ClientWidth", [](const TForm& f) { return f.ClientWidth(); },
                [](TForm& f, int64_t v) { f.SetClientWidth(static_cast<int>(v)); }),
            IntProp<TForm>(
                "ClientHeight", [](const TForm& f) { return f.ClientHeight(); },
                [](TForm& f, int64_t v) { f.SetClientHeight(static_cast<int>(v)); }),
            BoolProp<TForm>(
                "AutoScroll", [](const TForm& f) { return f.AutoScroll(); },
                [](TForm& f, bool v) { f.SetAutoScroll(v); }),
            EnumProp<TForm>(
                "BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                [](const TForm& f) { return static_cast<int>(f.BorderStyle()); },
                [](TForm& f, int64_t v) { f.SetBorderStyle(static_cast<TFormBorderStyle>(v)); }),
        }};
    return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    parentFont_ = false;
    color_ = clBtnFace;
}

TForm::~TForm() {
    if (OnDestroy) OnDestroy(this);
    // The window never keeps a menu its object has freed (destroying a window frees its menu).
    if (mainMenu_ && HandleAllocated()) ::SetMenu(Handle(), nullptr);
    mainMenu_ = nullptr;
    // Components go while the form is still whole: their handlers may reach into it.
    DestroyComponents();
    DestroyHandle();
    if (Application) Application->FormDestroyed(this);
}

DWORD TForm::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone:
            return style | WS_POPUP;
        case TFormBorderStyle::bsSingle:
        case TFormBorderStyle::bsToolWindow:
            style |= WS_CAPTION;
            break;
        case TFormBorderStyle::bsSizeable:
        case TFormBorderStyle::bsSizeToolWin:
            style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case TFormBorderStyle::bsDialog:
            return style | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    }
    if (borderIcons_ & biSystemMenu) {
        style |= WS_SYSMENU;
        if (borderIcons_ & biMinimize) style |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD TForm::WindowExStyle() const {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (borderStyle_ == TFormBorderStyle::bsDialog) ex |= WS_EX_DLGMODALFRAME;
    if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin)
        ex |= WS_EX_TOOLWINDOW;
    return ex;
}

SIZE TForm::WindowSizeForClient(int clientWidth, int clientHeight) const {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, WindowStyle(), menu_ != nullptr, WindowExStyle());
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = WindowStyle();
    params.ExStyle = WindowExStyle();
    params.ParentWnd = nullptr;
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        SIZE size = WindowSizeForClient(clientWidth_, clientHeight_);
        params.Width = width_ = size.cx;
        params.Height = height_ = size.cy;
    }
    if (position_ == TPosition::poScreenCenter) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        params.X = left_ = work.left + (work.right - work.left - params.Width) / 2;
        params.Y = top_ = work.top + (work.bottom - work.top - params.Height) / 2;
    }
}

void TForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (menu_) ::SetMenu(Handle(), menu_);
}

int TForm::ClientWidth() const {
    if (HandleAllocated()) return ClientRect().right;
    return clientWidth_;
}

int TForm::ClientHeight() const {
    if (HandleAllocated()) return ClientRect().bottom;
    return clientHeight_;
}

RECT TForm::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    return RECT{0, 0, clientWidth_, clientHeight_};
}

void TForm::SetClientWidth(int width) {
    clientWidth_ = width;
    if (clientHeight_ == 0) clientHeight_ = ClientHeight();
    SIZE size = WindowSizeForClient(clientWidth_, clientHeight_);
    SetBounds(left_, top_, size.cx, size.cy);
}

void TForm::SetClientHeight(int height) {
    clientHeight_ = height;
    if (clientWidth_ == 0) clientWidth_ = ClientWidth();
    SIZE size = WindowSizeForClient(clientWidth_, clientHeight_);
    SetBounds(left_, top_, size.cx, size.cy);
}

void TForm::SetMenu(HMENU menu) {
    menu_ = menu;
    if (HandleAllocated()) ::SetMenu(Handle(), menu);
    Perform(CM_MENUCHANGED);
}

void TForm::SetMainMenu(TMainMenu* menu) {
    if (mainMenu_) mainMenu_->OnChange = nullptr;
    mainMenu_ = menu;
    if (!menu) {
        SetMenu(nullptr);
        return;
    }
    HMENU built = menu->Handle();  // built before the form follows its changes: one change here
    menu->OnChange = [this](TMenu& changed) { SetMenu(changed.Handle()); };
    SetMenu(built);
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::Close() {
    TCloseAction action = Application && Application->MainForm() == this ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (Application && Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    if (action == TCloseAction::caHide) Hide();
    else if (action == TCloseAction::caMinimize)
        ShowWindow(Handle(), SW_MINIMIZE);
    else
        Release();
}

void TForm::Release() {
    if (Application) Application->Invoke([this] { delete this; });
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_CLOSE:
            Close();
            return;
        case CM_RELEASE:
            Release();
            return;
        case WM_COMMAND:
            // A menu choice (no control window, notification 0 or an accelerator's 1).
            if (message.LParam == 0 && HIWORD(message.WParam) <= 1 && mainMenu_ &&
                mainMenu_->DispatchCommand(LOWORD(message.WParam))) {
                message.Result = 0;
                return;
            }
            TWinControl::WndProc(message);
            return;
        case CM_DIALOGKEY:
            // A key pressed anywhere on the form: the main menu's shortcuts come first.
            if (mainMenu_ && mainMenu_->DispatchShortCut(ShortCutOfKey(static_cast<WORD>(message.WParam)))) {
                message.Result = 1;
                return;
            }
            TWinControl::WndProc(message);
            return;
#ifdef TW_PROPERTY_QUERIES
        // Test builds only: the driver reads windowless controls through this.
        case WM_COPYDATA:
            if (AnswerPropertyQuery(*this, message.WParam, message.LParam, message.Result)) return;
            break;
#endif
        default:
            TWinControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- TApplication

namespace {
constexpr wchar_t kUtilityClass[] = L"TApplicationUtility";
}

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo info{"TApplication", &TComponent::StaticClassInfo(), {}};
    return info;
}

TApplication::TApplication() : TComponent(nullptr) { Application = this; }

TApplication::~TApplication() {
    DestroyComponents();
    utilityWindow_.Reset();  // before COM goes
    OleUninitialize();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                              ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = UtilityProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kUtilityClass;
    RegisterClassExW(&wc);
    utilityWindow_.Reset(CreateWindowExW(0, kUtilityClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
}

void TApplication::Run() {
    if (mainForm_ && !terminated_) mainForm_->Show();
    MSG msg;
    while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (HandleKeyboard(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    terminated_ = true;
}

bool TApplication::HandleKeyboard(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_CHAR &&
        msg.message != WM_SYSCHAR && msg.message != WM_KEYUP)
        return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    auto* form = dynamic_cast<TForm*>(FindControlOfWindow(root));
    if (!form) return false;
    if (msg.message == WM_KEYDOWN && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam)) return true;
    if (msg.message == WM_SYSCHAR && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam)) return true;
    return IsDialogMessageW(root, &msg) != FALSE;
}

bool TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            // Leave the quit for the outer loop too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (HandleKeyboard(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return !terminated_;
}

bool TApplication::WaitForHandleOrMessage(HANDLE handle, DWORD timeout) {
    DWORD count = handle ? 1 : 0;
    DWORD r = MsgWaitForMultipleObjectsEx(count, handle ? &handle : nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return handle && r == WAIT_OBJECT_0;
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error) {
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    ::MessageBoxW(owner, WideFromUtf8(error.what()).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::HandleCurrentException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            HandleException(error);
        } catch (...) {
            HandleException(Exception("Unknown error"));
        }
    } catch (...) {
        // Out of memory while telling the user: nothing more can be said.
    }
}

int TApplication::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    HWND owner = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::Invoke(std::function<void()> fn) {
    auto* call = new std::function<void()>(std::move(fn));
    if (!utilityWindow_ || !PostMessageW(utilityWindow_.Get(), WM_TW_INVOKE, 0, reinterpret_cast<LPARAM>(call)))
        delete call;
}

LRESULT CALLBACK TApplication::UtilityProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TW_INVOKE) {
        std::unique_ptr<std::function<void()>> call(reinterpret_cast<std::function<void()>*>(lParam));
        GuardCallback(*call);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

void TApplication::FormDestroyed(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form) mainForm_ = nullptr;
}

}  // namespace tw
