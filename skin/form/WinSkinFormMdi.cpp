// The form skinner's MDI branches: an MDI frame finds its client window and subclasses it (the
// client's scroll bars, its children's creation and destruction, tiling and the merged menu
// come through there), an MDI child gets a skinned frame while it is shown normal and keeps the
// system's, out of sight, while maximised, and the maximised child's minimise, restore and
// close buttons are drawn in the frame's menu band and act on the active child from there. The
// client's sunken edge is drawn from the skin.
#include <cwchar>

#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinData.h"
#include "skin/form/FormSkinnerHost.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/MdiClientEdge.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"

namespace tw {

namespace {

constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

bool IsMdiClientClass(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) > 0 && _wcsicmp(name, L"MDIClient") == 0;
}

// The client's procedure runs inside the system's MDI code: nothing may leave it.
template <class Work>
void Guarded(Work work) noexcept {
    try {
        work();
    } catch (...) {
    }
}

}  // namespace

void TWinSkinForm::FindMdiClient(DWORD exStyle) {
    frameKind_ = fkPlain;
    mdiClient_ = nullptr;
    if (exStyle & WS_EX_MDICHILD) {
        frameKind_ = fkMdiChild;
        // Children keep the system's frames when the skin says so; their controls are skinned.
        if (skinData_ && InSet(skinData_->Options, xoMDIChildBorder)) skinFrame_ = false;
        return;
    }
    for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsMdiClientClass(child)) continue;
        frameKind_ = fkMdiFrame;
        mdiClient_ = child;
        if (host_) host_->RecordMdiFrame(child, form_);
        return;
    }
}

void TWinSkinForm::AttachMdiClient() {
    if (!mdiClient_ || mdiSubclass_.Installed()) return;
    if (skinData_) savedMenuUpdate_ = skinData_->MenuUpdate;
    mdiSubclass_.Install(mdiClient_, TWndMethod::Of<TWinSkinForm, &TWinSkinForm::MdiClientProcedure>(this));
    // The client's scroll bars go at once, not at its next size change.
    if (skinFrame_) SetWindowPos(mdiClient_, nullptr, 0, 0, 0, 0, kFrameChanged);
}

bool TWinSkinForm::MaximisedMdiChild() const { return frameKind_ == fkMdiChild && IsZoomed(handle_); }

bool TWinSkinForm::MdiChildNotNormal() const {
    return frameKind_ == fkMdiChild && (IsZoomed(handle_) || IsIconic(handle_));
}

HWND TWinSkinForm::MaximisedActiveMdiChild() const {
    if (frameKind_ != fkMdiFrame || !mdiClient_) return nullptr;
    BOOL maximised = FALSE;
    const HWND active = reinterpret_cast<HWND>(
        SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    return maximised ? active : nullptr;
}

// A skin whose title is lower than the system's caption and frame gives the child a band of the
// face colour under it, so the child's client keeps its place.
void TWinSkinForm::SetMdiChildMenuHeight() {
    const int system = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    const int title = painter_.Metrics().TitleHeight;
    painter_.SetMenuHeight(title < system && borderKind_ != bkNoCaption ? system - title : 0);
}

void TWinSkinForm::ActivateMdiChild() {
    RefreshShowState();
    if (showState_ == ssMaximised) {
        PostMessageW(GetParent(handle_), SKM_MDIREFRESH, reinterpret_cast<WPARAM>(handle_), 0);
    } else if (showState_ == ssMinimised) {
        SetCaptionStyle(true);
    } else if (borderKind_ != bkNoCaption) {
        skinState_ = stFirstResize;
        Resize(true);
        skinState_ = stRunning;
        painter_.BuildRegion(View(), false);
    }
}

// The system sizes a maximised child so its own frame lies outside the client; a region cut for
// the skinned frame would clip it, so it goes, and comes back when the child is normal again.
void TWinSkinForm::MdiChildSized() {
    if (skinState_ != stRunning && skinState_ != stReapplying) return;
    if (showState_ == ssMaximised && host_) host_->SetMdiChildrenMaximised(true);
    if (showState_ != ssNormal) {
        painter_.DropRegion(handle_, true);
        return;
    }
    if (host_ && host_->MdiChildrenMaximised()) return;
    painter_.BuildRegion(View(), false);
}

void TWinSkinForm::FollowMdiMaximised(bool maximised) {
    if (frameKind_ != fkMdiChild || !skinFrame_ || !Attached()) return;
    if (skinState_ != stRunning && skinState_ != stReapplying) return;
    RefreshShowState();
    if (maximised || showState_ != ssNormal) {
        painter_.DropRegion(handle_, true);
        return;
    }
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChanged);
    painter_.BuildRegion(View(), true);
}

void TWinSkinForm::RunMdiChildCommand(UINT command) {
    if (frameKind_ != fkMdiFrame || !mdiClient_) return;
    const HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
    if (active) SendMessageW(active, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::PaintMdiButtons(HDC bandDC, const RECT& band) {
    if (!ActiveMdiChildMaximised()) return;
    LayoutButtons(painter_.FrameWidth());
    for (const auto& button : buttons_) {
        const TBitmap& image = button->Image();
        if (!button->Visible || image.Empty() || button->Skin.Visibility != kMenuBandVisibility) continue;
        const TRect b = button->Bounds.Offset(-band.left, -band.top);
        TSliceOptions options;
        options.FrameCount = button->FrameCount();
        options.FrameIndex = CaptionButtonFrame(button->State, options.FrameCount, active_, true);
        DrawStripFrame(bandDC, RECT{b.Left, b.Top, b.Right, b.Bottom}, image, options, true);
    }
    if (host_ && !host_->MdiChildrenMaximised()) host_->SetMdiChildrenMaximised(true);
}

void TWinSkinForm::MdiClientProcedure(TMessage& message) {
    TDepth depth(depth_);
    const auto passOn = [this, &message] { mdiSubclass_.CallPrevious(message); };
    switch (message.Msg) {
        case WM_NCDESTROY:
            passOn();
            mdiSubclass_.Remove();
            return;
        case WM_NCCALCSIZE:
            // The client's own scroll bars would show in the system's colours.
            if (skinFrame_ && skinData_ && !InSet(skinData_->Options, xoMDIScrollbar)) {
                const LONG_PTR style = GetWindowLongPtrW(mdiClient_, GWL_STYLE);
                const LONG_PTR bars = WS_VSCROLL | WS_HSCROLL;
                if (style & bars) SetWindowLongPtrW(mdiClient_, GWL_STYLE, style & ~bars);
            }
            passOn();
            return;
        case WM_NCPAINT:
        case WM_NCACTIVATE:
            // The system draws the client's sunken edge in its own 3D colours.
            passOn();
            if (skinData_) Guarded([&] { PaintMdiClientEdge(mdiClient_, *skinData_); });
            return;
        case WM_MDICREATE: {
            // The child's menu is merged into the frame's when it activates, not while it is made.
            const bool menuUpdate = skinData_ ? skinData_->MenuUpdate : true;
            if (skinData_) skinData_->MenuUpdate = false;
            passOn();
            if (skinData_) skinData_->MenuUpdate = menuUpdate;
            return;
        }
        case WM_MDIDESTROY:
            passOn();
            if (!skinFrame_) return;
            Guarded([&] {
                if (host_) host_->SetMdiChildrenMaximised(ActiveMdiChildMaximised());
                if (!SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0) && menuBar_) {
                    if (skinData_) skinData_->MenuUpdate = savedMenuUpdate_;
                    HMENU menu = form_ && form_->Menu() ? form_->Menu() : menuBar_->MenuHandle();
                    menuBar_->ReadItems(menu, form_ ? form_->MainMenu() : nullptr);
                }
                // The client settles which child is active, and whether it is maximised, only
                // after the child has gone: the band is painted again from then.
                PostMessageW(mdiClient_, SKM_MDIREFRESH, 0, 0);
            });
            return;
        case WM_MDITILE:
        case WM_MDICASCADE:
            // Tiled and cascaded children are shown normal.
            if (skinFrame_ && host_ && host_->MdiChildrenMaximised()) host_->SetMdiChildrenMaximised(false);
            passOn();
            return;
        case WM_MDISETMENU:
            passOn();
            if (!skinFrame_ || !menuBar_) return;
            Guarded([&] {
                if (message.WParam)
                    menuBar_->ReadItems(reinterpret_cast<HMENU>(message.WParam), form_ ? form_->MainMenu() : nullptr);
                // The system put its own bar back with the menu.
                if (GetMenu(handle_)) SetMenu(handle_, nullptr);
                if (IsWindowVisible(handle_)) RepaintFrame();
            });
            return;
        case SKM_MDIREFRESH:
            if (skinFrame_ && host_) host_->SetMdiChildrenMaximised(ActiveMdiChildMaximised());
            RedrawWindow(handle_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
            message.Result = 0;
            return;
        default:
            passOn();
    }
}

}  // namespace tw
