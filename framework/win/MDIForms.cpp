#include "framework/win/MDIForms.h"

#include "framework/win/Menus.h"

namespace tw {

// ---------------------------------------------------------------- TMDIForm

const TClassInfo& TMDIForm::StaticClassInfo() {
    static const TClassInfo info{"TMDIForm", &TForm::StaticClassInfo(), {}};
    return info;
}

TMDIForm::TMDIForm(TComponent* owner) : TForm(owner) {}

void TMDIForm::CreateWnd() {
    TForm::CreateWnd();
    CLIENTCREATESTRUCT create{WindowMenu(), kFirstMDIChildId};
    RECT area{};
    GetClientRect(Handle(), &area);
    client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, area.right,
                              area.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), &create);
    if (!client_) throw Exception("Error creating the MDI client of " + ClassName());
}

void TMDIForm::DefaultHandler(TMessage& message) {
    if (!HandleAllocated()) return;
    if (message.Msg >= CM_BASE && message.Msg < CN_BASE + 0x400) return;
    // The frame procedure sizes the client and routes the window menu's commands to the children.
    message.Result = DefFrameProcW(Handle(), client_, message.Msg, message.WParam, message.LParam);
}

HMENU TMDIForm::WindowMenu() const { return windowItem_ ? windowItem_->Handle() : windowMenu_; }

void TMDIForm::SetWindowMenuItem(TMenuItem* item) {
    windowItem_ = item;
    SetWindowMenu(WindowMenu());
}

void TMDIForm::WndProc(TMessage& message) {
    TForm::WndProc(message);
    // A rebuilt main menu has a new window popup: the client moves its list of children there.
    if (message.Msg == CM_MENUCHANGED && windowItem_ && client_ && Menu())
        SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(Menu()),
                     reinterpret_cast<LPARAM>(windowItem_->Handle()));
}

void TMDIForm::SetWindowMenu(HMENU menu) {
    if (!windowItem_) windowMenu_ = menu;
    if (!client_) return;
    SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(Menu()), reinterpret_cast<LPARAM>(menu));
    DrawMenuBar(Handle());
}

void TMDIForm::Tile() {
    if (client_) SendMessageW(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TMDIForm::Cascade() {
    if (client_) SendMessageW(client_, WM_MDICASCADE, 0, 0);
}

void TMDIForm::ArrangeIcons() {
    if (client_) SendMessageW(client_, WM_MDIICONARRANGE, 0, 0);
}

void TMDIForm::Next() {
    if (client_) SendMessageW(client_, WM_MDINEXT, 0, 0);
}

void TMDIForm::Previous() {
    if (client_) SendMessageW(client_, WM_MDINEXT, 0, 1);
}

TMDIChild* TMDIForm::ActiveMDIChild() const {
    if (!client_) return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TMDIChild*>(FindControlOfWindow(active));
}

bool TMDIForm::ActiveChildMaximised() const {
    BOOL maximised = FALSE;
    if (client_) SendMessageW(client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    return maximised != FALSE;
}

std::vector<TMDIChild*> TMDIForm::MDIChildren() const {
    std::vector<TMDIChild*> children;
    if (!client_) return children;
    for (HWND w = GetWindow(client_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        // The icon titles of minimised children are windows of the client too.
        if (auto* child = dynamic_cast<TMDIChild*>(FindControlOfWindow(w))) children.push_back(child);
    }
    return children;
}

// ---------------------------------------------------------------- TMDIChild

const TClassInfo& TMDIChild::StaticClassInfo() {
    static const TClassInfo info{"TMDIChild", &TForm::StaticClassInfo(), {}};
    return info;
}

TMDIChild::TMDIChild(TMDIForm* frame) : TForm(frame), frame_(frame) { frame->HandleNeeded(); }

TMDIChild::~TMDIChild() {
    // As the form's own end would do it, in its order, but with this class's DestroyWnd: by the
    // form's destructor the window would be destroyed behind the client's back.
    if (OnDestroy) {
        OnDestroy(this);
        OnDestroy = nullptr;
    }
    DestroyComponents();
    DestroyHandle();
}

void TMDIChild::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.Style = (params.Style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD | WS_CLIPSIBLINGS;
    params.ExStyle |= WS_EX_MDICHILD;
    params.ParentWnd = frame_->ClientHandle();
    if (params.Width <= 0 || params.Height <= 0) params.X = params.Y = params.Width = params.Height = CW_USEDEFAULT;
}

void TMDIChild::CreateWnd() {
    TForm::CreateWnd();
    // Made by CreateWindowEx rather than WM_MDICREATE: the client learns of it when it activates.
    SendMessageW(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TMDIChild::DestroyWnd() {
    // The client takes the child out of its window menu and activates the next one.
    if (HandleAllocated() && IsWindow(frame_->ClientHandle()))
        SendMessageW(frame_->ClientHandle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    else
        TForm::DestroyWnd();
}

void TMDIChild::DefaultHandler(TMessage& message) {
    if (!HandleAllocated()) return;
    if (message.Msg >= CM_BASE && message.Msg < CN_BASE + 0x400) return;
    message.Result = DefMDIChildProcW(Handle(), message.Msg, message.WParam, message.LParam);
}

void TMDIChild::WndProc(TMessage& message) {
    if (message.Msg == WM_CLOSE) {
        // A child closes for good unless its handler says otherwise.
        TCloseAction action = TCloseAction::caFree;
        if (OnClose) OnClose(this, action);
        if (action == TCloseAction::caFree) Release();
        else if (action == TCloseAction::caMinimize)
            ShowWindow(Handle(), SW_MINIMIZE);
        else if (action == TCloseAction::caHide)
            Hide();
        return;
    }
    TForm::WndProc(message);
}

void TMDIChild::Maximise() {
    SendMessageW(frame_->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TMDIChild::Restore() {
    SendMessageW(frame_->ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TMDIChild::Activate() {
    SendMessageW(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
}

}  // namespace tw
