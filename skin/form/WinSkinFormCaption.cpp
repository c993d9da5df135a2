// The form skinner's caption buttons: reading them from the skin, laying them out and drawing them
// on the title bar, the non-client mouse messages that press and light them, their actions, the
// hot-object timer and the copy of the system menu.
#include <algorithm>

#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinData.h"
#include "skin/form/FormSkinnerHost.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"

namespace tw {

namespace {

// The hot object's watch.
constexpr UINT_PTR kHotTimerId = 0x5B37;
constexpr UINT kHotTimerPeriod = 250;

POINT ScreenPointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool Contains(const TRect& r, POINT p) { return p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom; }

int WindowWidth(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

// The mouse handlers, the timer and the menu run inside the window procedure: nothing may leave.
template <class Work>
void Guarded(Work work) noexcept {
    try {
        work();
    } catch (...) {
    }
}

// What a gap in the skin's list stands for, so the list and the buttons stay in step: no image,
// no action, never shown.
const TDataSkinSysButton& NoButton() {
    static const TDataSkinSysButton& none = *[] {
        static TDataSkinSysButton button;
        button.Action = -1;
        button.Visibility = -1;
        return &button;
    }();
    return none;
}

// A message that reached the skinner and goes no further.
void Consume(TMessage& message) {
    message.Result = 0;
    message.Msg = 0;
}

}  // namespace

void TWinSkinForm::ReadButtons() {
    SetHotObject(nullptr);
    buttons_.clear();
    if (!skinData_ || borderKind_ == bkNoCaption) return;
    for (const auto& skinButton : skinData_->SysButtons)
        buttons_.push_back(std::make_unique<TWinSysButton>(*this, skinButton ? *skinButton : NoButton()));
}

// The buttons still stand for the skin's list (compared by address only: a list replaced without
// a rebuild is read again before anything of the old one is touched).
bool TWinSkinForm::ButtonsCurrent() const {
    const size_t count = skinData_ && borderKind_ != bkNoCaption ? skinData_->SysButtons.size() : 0;
    if (buttons_.size() != count) return false;
    for (size_t i = 0; i < count; ++i)
        if (&buttons_[i]->Skin != (skinData_->SysButtons[i] ? skinData_->SysButtons[i].get() : &NoButton()))
            return false;
    return true;
}

void TWinSkinForm::LayoutButtons(int frameWidth) {
    if (!ButtonsCurrent()) ReadButtons();
    TCaptionContext context;
    context.MaxBox = (styleFlags_ & fsMaximizeBox) != 0;
    context.MinBox = (styleFlags_ & fsMinimizeBox) != 0;
    context.SystemMenu = (styleFlags_ & fsSystemMenu) != 0;
    context.Maximised = showState_ == ssMaximised;
    context.Active = active_;
    context.DialogFrame = borderKind_ == bkDialog;
    context.DialogLook = borderKind_ == bkDialog && !isDialogClass_;
    // The maximised MDI child's buttons in the frame's menu band.
    context.MdiChildMaximisedInMenu = menuBar_ && ActiveMdiChildMaximised();
    HWND window = handle_;
    context.AskWindow = [window](int code, int action) {
        return SendMessageW(window, SKM_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
    };
    const TFrameMetrics& m = painter_.Metrics();
    const TDataSkinObject* bar = skinData_ ? skinData_->MenuBar.get() : nullptr;
    const TMenuBandPlace band{rightToLeft_, bar && !bar->Image.Empty() ? bar->LeftWidth : 0};
    for (auto& button : buttons_) {
        button->Visible = CaptionButtonVisible(button->Skin, context);
        const TBitmap& image = button->Image();
        // Hidden buttons keep their last rectangle: they are never hit while hidden.
        if (!button->Visible || image.Empty()) continue;
        TCaptionPlacement place{button->Skin.Align, button->Skin.Xcoord, button->Skin.Ycoord,
                                image.Width(),      image.Height(),      button->FrameCount()};
        button->Bounds = CaptionButtonRect(place, frameWidth, m, band);
    }
}

RECT TWinSkinForm::LayoutAndDrawButtons(HDC titleDC, const RECT& title) {
    const int width = painter_.FrameWidth();
    LayoutButtons(width);
    std::vector<TRect> shown;
    for (const auto& button : buttons_) {
        const TBitmap& image = button->Image();
        if (!button->Visible || image.Empty() || button->Skin.Visibility == kMenuBandVisibility) continue;
        const TRect& b = button->Bounds;
        const RECT rect{b.Left, b.Top, b.Right, b.Bottom};
        if (DrawsWindowIcon(button->Action())) {
            painter_.DrawIcon(titleDC, rect);
        } else {
            TSliceOptions options;
            options.FrameCount = button->FrameCount();
            options.FrameIndex = CaptionButtonFrame(button->State, options.FrameCount, active_, false);
            DrawStripFrame(titleDC, rect, image, options, true);
        }
        shown.push_back(b);
    }
    const TRect free = CaptionTextArea(TRect(title.left, title.top, title.right, title.bottom), shown, width);
    return RECT{free.Left, free.Top, free.Right, free.Bottom};
}

TNCObject* TWinSkinForm::FindObject(POINT framePoint) {
    LayoutButtons(WindowWidth(handle_));
    for (auto& button : buttons_)
        if (button->Visible && button->Action() >= 0 && !button->Image().Empty() &&
            Contains(button->Bounds, framePoint))
            return button.get();
    if (menuBar_) return menuBar_->ObjectAt(framePoint);
    return nullptr;
}

void TWinSkinForm::SetHotObject(TNCObject* object) {
    hotObject_ = object;
    if (object && !timerRunning_) timerRunning_ = SetTimer(handle_, kHotTimerId, kHotTimerPeriod, nullptr) != 0;
    else if (!object)
        StopTimer();
}

void TWinSkinForm::StopTimer() {
    if (!timerRunning_) return;
    KillTimer(handle_, kHotTimerId);
    timerRunning_ = false;
}

void TWinSkinForm::RepaintTitle() {
    if (!skinFrame_ || !IsWindowVisible(handle_)) return;
    TWindowDC dc = WholeWindowDC(handle_);
    if (dc) painter_.PaintTitle(View(), dc.Get());
}

POINT TWinSkinForm::ToFrame(POINT screen) const {
    RECT window{};
    GetWindowRect(handle_, &window);
    return POINT{screen.x - window.left, screen.y - window.top};
}

// ---------------------------------------------------------------- the mouse

void TWinSkinForm::NcMouseMove(TMessage& message) {
    // An inactive window's buttons do not light up; the message goes nowhere.
    if (!active_) {
        Consume(message);
        return;
    }
    TNCObject* object = nullptr;
    Guarded([&] { object = FindObject(ToFrame(ScreenPointOf(message.LParam))); });
    if (object) {
        Guarded([&] { object->MouseEnter(); });
        Consume(message);
        return;
    }
    if (hotObject_) Guarded([&] { hotObject_->MouseLeave(); });
    SetHotObject(nullptr);
    PassOn(message);
}

void TWinSkinForm::NcLButtonDown(TMessage& message) {
    TNCObject* object = nullptr;
    Guarded([&] { object = FindObject(ToFrame(ScreenPointOf(message.LParam))); });
    if (object) {
        if (!active_) SetForegroundWindow(handle_);
        Guarded([&] { object->MouseDown(); });
        Consume(message);
        // A menu-bar item opens its popup at once; the menu loop runs from here.
        if (auto* item = dynamic_cast<TMenuBtn*>(object)) Guarded([&] { menuBar_->OpenMenu(item); });
        else if (dynamic_cast<TMdiChildIcon*>(object))
            Guarded([&] { menuBar_->OpenChildSystemMenu(); });
        return;
    }
    // A maximised window is not dragged by its caption.
    if (showState_ == ssMaximised && active_ && message.WParam == HTCAPTION) message.WParam = HTMENU;
    PassOn(message);
}

void TWinSkinForm::NcLButtonUp(TMessage& message) {
    const POINT screen = ScreenPointOf(message.LParam);
    TNCObject* object = nullptr;
    Guarded([&] { object = FindObject(ToFrame(screen)); });
    if (!object) {
        PassOn(message);
        return;
    }
    auto* button = dynamic_cast<TWinSysButton*>(object);
    // Only the button pressed runs its action; the system-menu button also opens on a release
    // that follows its menu (a double click closes the window from there).
    if (button && object == hotObject_ && (object->State == csPressed || OpensSystemMenu(button->Action()))) {
        const int action = button->Action();
        Guarded([&] {
            object->MouseUp();
            RunAction(action, screen);
        });
    }
    Consume(message);
}

void TWinSkinForm::NcLButtonDblClk(TMessage& message) {
    TNCObject* object = nullptr;
    Guarded([&] { object = FindObject(ToFrame(ScreenPointOf(message.LParam))); });
    if (dynamic_cast<TMenuBtn*>(object)) {
        NcLButtonDown(message);
        return;
    }
    if (auto* icon = dynamic_cast<TMdiChildIcon*>(object)) {
        // As on the child's own title: a double click on its icon closes it.
        if (icon->Child) PostMessageW(icon->Child, WM_SYSCOMMAND, SC_CLOSE, 0);
        Consume(message);
        return;
    }
    if (auto* button = dynamic_cast<TWinSysButton*>(object)) {
        if (DrawsWindowIcon(button->Action())) PostClose(WM_SYSCOMMAND, SC_CLOSE);
        Consume(message);
        return;
    }
    if (object || message.WParam != HTCAPTION) {
        PassOn(message);
    } else if (showState_ != ssNormal) {
        Restore();
        Consume(message);
    } else if (styleFlags_ & fsMaximizeBox) {
        ToggleMaximize();
        Consume(message);
    } else {
        PassOn(message);
    }
}

void TWinSkinForm::NcRButtonDown(TMessage& message) {
    if (message.WParam != HTCAPTION || frameKind_ == fkMdiChild) {
        PassOn(message);
        return;
    }
    const POINT screen = ScreenPointOf(message.LParam);
    ShowSystemMenu(screen.x, screen.y);
    Consume(message);
}

// The system would pop up its own menu for a right click on what it takes for the caption.
void TWinSkinForm::OnContextMenu(TMessage& message) {
    RECT window{};
    GetWindowRect(handle_, &window);
    const POINT p = ToFrame(ScreenPointOf(message.LParam));
    const bool caption = message.LParam != -1 &&
                         FrameHitCode(p.x, p.y, window.right - window.left, window.bottom - window.top,
                                      painter_.Metrics(), false) == hcCaption;
    if (caption) Consume(message);
    else
        PassOn(message);
}

void TWinSkinForm::OnTimer(TMessage& message) {
    if (message.WParam != kHotTimerId) {
        PassOn(message);
        return;
    }
    message.Result = 0;
    Guarded([&] {
        if (!hotObject_) {
            StopTimer();
            return;
        }
        POINT cursor{};
        if (!GetCursorPos(&cursor)) return;
        if (Contains(hotObject_->Bounds, ToFrame(cursor))) return;
        TNCObject* leaving = hotObject_;
        leaving->MouseLeave();
        SetHotObject(nullptr);
    });
}

// ---------------------------------------------------------------- actions

void TWinSkinForm::PostClose(UINT message, WPARAM command) {
    StopTimer();
    PostMessageW(handle_, message, command, 0);
}

void TWinSkinForm::RunAction(int action, POINT screen) {
    switch (action) {
        case caClose: {
            // Only a window whose system menu can close it.
            MENUITEMINFOW item{};
            item.cbSize = sizeof(item);
            item.fMask = MIIM_ID;
            if (sysMenuHandle_ && GetMenuItemInfoW(sysMenuHandle_, SC_CLOSE, FALSE, &item))
                PostClose(WM_SYSCOMMAND, SC_CLOSE);
            return;
        }
        case caMaximize:
        case caMaximize2:
            ToggleMaximize();
            return;
        case caMinimize:
        case caMinimize2:
            ToggleMinimize();
            return;
        case caSystemMenu:
        case caSystemMenu2:
        case caSystemMenu3:
            ShowSystemMenu(screen.x + 1, screen.y + 1);
            return;
        case caMdiRestore:
        case caMdiRestore2:
            RunMdiChildCommand(SC_RESTORE);
            return;
        case caMdiClose:
        case caMdiClose2:
            RunMdiChildCommand(SC_CLOSE);
            return;
        case caMdiMinimize:
        case caMdiMinimize2:
            RunMdiChildCommand(SC_MINIMIZE);
            return;
        default:
            PostMessageW(handle_, SKM_BUTTONACTION, static_cast<WPARAM>(action), 0);
    }
}

void TWinSkinForm::Restore() {
    showState_ = ssNormal;
    PostMessageW(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMaximize() {
    if (showState_ == ssMaximised) {
        Restore();
        return;
    }
    showState_ = ssMaximised;
    PostMessageW(handle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    if (hotObject_) hotObject_->State = csNormal;
    SetHotObject(nullptr);
}

void TWinSkinForm::ToggleMinimize() {
    if (showState_ == ssMinimised) {
        Restore();
        return;
    }
    showState_ = ssMinimised;
    if (!CaptionToggling()) {
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, style | WS_SYSMENU);
    }
    if (hotObject_) hotObject_->State = csNormal;
    SetHotObject(nullptr);
    PostMessageW(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// ---------------------------------------------------------------- the system menu

void TWinSkinForm::ShowSystemMenu(int x, int y) {
    Guarded([&] {
        const DWORD now = GetTickCount();
        const UINT doubleClick = GetDoubleClickTime();
        if (titleClicked_ && now - lastTitleClick_ <= doubleClick) {
            // The second click of a double click on the icon.
            if (hotObject_) PostClose(WM_CLOSE, 0);
            return;
        }
        if (host_) host_->SetMenuContext(mcSystemMenu);
        titleClicked_ = true;
        lastTitleClick_ = now;
        BuildSystemMenuCopy();
        if (!systemMenuCopy_) return;
        // The choice is posted once the menu has gone, as the system menu's own would be.
        const UINT command = static_cast<UINT>(
            TrackPopupMenu(systemMenuCopy_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, handle_, nullptr));
        // The release that closed the menu over the title counts from now on.
        lastTitleClick_ = GetTickCount() - doubleClick - 1;
        if (command) PostMessageW(handle_, WM_SYSCOMMAND, command, 0);
    });
}

namespace {

// Appends to copy what the entries of source say (texts, states, submenus); the system-menu
// entries' states are then set by the caller from the window's state.
// ownerDraw: every entry of the copy drawn by the skin.
void CopyMenuEntries(HMENU source, HMENU copy, int depth, bool ownerDraw) {
    const UINT drawn = ownerDraw ? MF_OWNERDRAW : 0;
    const int count = GetMenuItemCount(source);
    for (int i = 0; i < count; ++i) {
        wchar_t text[80] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = 80;
        if (!GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &item)) continue;
        if ((item.fType & MFT_SEPARATOR) || text[0] == 0) {
            AppendMenuW(copy, MF_SEPARATOR | drawn, 0, nullptr);
            continue;
        }
        MENUITEMINFOW entry{};
        entry.cbSize = sizeof(entry);
        entry.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_FTYPE;
        entry.fType = (item.fType & MFT_RADIOCHECK) | (ownerDraw ? MFT_OWNERDRAW : 0);
        entry.fState = item.fState & (MFS_CHECKED | MFS_GRAYED | MFS_DISABLED);
        entry.wID = item.wID;
        entry.dwTypeData = text;
        if (item.hSubMenu && depth < 4) {
            // The new submenu belongs to the copy, which destroys it with itself.
            HMENU submenu = CreatePopupMenu();
            if (!submenu) continue;
            CopyMenuEntries(item.hSubMenu, submenu, depth + 1, ownerDraw);
            entry.fMask |= MIIM_SUBMENU;
            entry.hSubMenu = submenu;
        }
        if (!InsertMenuItemW(copy, static_cast<UINT>(GetMenuItemCount(copy)), TRUE, &entry) && entry.hSubMenu)
            DestroyMenu(entry.hSubMenu);
    }
}

}  // namespace

void TWinSkinForm::BuildSystemMenuCopy() {
    systemMenuCopy_.Reset();
    if (!sysMenuHandle_) sysMenuHandle_ = GetSystemMenu(handle_, FALSE);
    if (!sysMenuHandle_) return;
    systemMenuCopy_.Reset(CreatePopupMenu());
    if (!systemMenuCopy_) return;
    HMENU copy = systemMenuCopy_.Get();
    const bool ownerDraw = skinData_ && skinData_->MenuItem && InSet(skinData_->SkinControls, xcSystemMenu);
    CopyMenuEntries(sysMenuHandle_, copy, 0, ownerDraw);
    // The window's own entries are enabled from its state, as the system does when it shows the
    // menu itself; the program's entries keep what the program set.
    const int count = GetMenuItemCount(copy);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(copy, static_cast<UINT>(i), TRUE, &item)) continue;
        if ((item.fType & MFT_SEPARATOR) || item.hSubMenu) continue;
        bool enabled = (item.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        switch (item.wID & 0xFFF0) {
            case SC_SIZE:
                // The system greys it on frames that do not size when it shows its own menu.
                enabled = showState_ != ssMaximised && borderKind_ == bkSizeable;
                break;
            case SC_MOVE:
                enabled = showState_ != ssMaximised;
                break;
            case SC_MINIMIZE:
                enabled = showState_ != ssMinimised && (styleFlags_ & fsMinimizeBox);
                break;
            case SC_MAXIMIZE:
                enabled = showState_ != ssMaximised && (styleFlags_ & fsMaximizeBox);
                break;
            case SC_RESTORE:
                enabled = showState_ != ssNormal;
                break;
            default:
                continue;
        }
        // An entry both grayed and disabled stays so.
        if ((item.fState & 3) == 3) enabled = false;
        EnableMenuItem(copy, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

}  // namespace tw
