#include "skin/form/WinSkinForm.h"

#include <algorithm>

#include "framework/win/Forms.h"
#include "skin/data/CaptionButtons.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/FormMethodRelay.h"
#include "skin/form/FormSkinnerHost.h"
#include "skin/form/WinSkinMenu.h"

namespace tw {

namespace {

// SetWindowPos flags of a frame recalculation that moves, sizes and activates nothing.
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
// The system's request to draw a themed caption.
constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;

std::wstring ClassNameOf(HWND wnd) {
    wchar_t name[101] = {};
    GetClassNameW(wnd, name, 101);
    return name;
}

std::wstring WindowTextOf(HWND wnd) {
    int length = GetWindowTextLengthW(wnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), length + 1)));
    return text;
}

int ShowStateOf(HWND wnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(wnd, &placement)) return ssNormal;
    switch (placement.showCmd) {
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
            return ssMinimised;
        case SW_SHOWMAXIMIZED:
            return ssMaximised;
        default:
            return ssNormal;
    }
}

// Unowned windows keep no caption style while they are not minimised, so the system never
// draws a caption of its own for them (windows whose system version reads x.0).
bool CaptionTogglingFor(DWORD exStyle, HWND owner) {
    DWORD version = GetVersion();
    int major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
    bool nt = (version & 0x80000000u) == 0;
    if (major <= 4 || minor != 0) return false;
    if (nt && (exStyle & WS_EX_APPWINDOW)) return true;
    return owner == nullptr && (exStyle & WS_EX_MDICHILD) == 0;
}

int TextWidthInCaptionFont(HWND wnd, const std::wstring& text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return 0;
    TFontHandle font(CreateFontIndirectW(&metrics.lfCaptionFont));
    TWindowDC dc = ClientDC(wnd);
    if (!dc || !font) return 0;
    TSelection selection = Select(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The portable hit codes are the system's.
static_assert(hcClient == HTCLIENT && hcCaption == HTCAPTION && hcMenu == HTMENU && hcBorder == HTBORDER &&
              hcTopLeft == HTTOPLEFT && hcBottomRight == HTBOTTOMRIGHT && hcNowhere == HTNOWHERE);

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

namespace {
TChildSkinner& ChildSkinnerSlot() {
    static TChildSkinner skinner = nullptr;
    return skinner;
}
}  // namespace

void SetChildSkinner(TChildSkinner skinner) { ChildSkinnerSlot() = skinner; }
TChildSkinner ChildSkinner() { return ChildSkinnerSlot(); }

TWinSkinForm::TWinSkinForm(HWND window, TFormSkinnerHost* host) : handle_(window), host_(host) {
    painter_.PaintCaptionButtons = [this](HDC titleDC, const RECT& title, const TFrameView&) {
        return LayoutAndDrawButtons(titleDC, title);
    };
    painter_.PaintMenuBand = [this](HDC dc, const RECT& band) {
        if (menuBar_) menuBar_->PaintBar(dc, band, active_);
    };
}

TWinSkinForm::~TWinSkinForm() {
    DetachQuick();
    if (relay_) {
        // A relay that has to stay passes everything on from now on; the form frees it.
        if (relay_->Uninstall()) delete relay_;
        relay_ = nullptr;
    }
}

// ---------------------------------------------------------------- attaching

void TWinSkinForm::AttachToForm(TSkinData* data, TForm* form) {
    form_ = form;
    if (form_ && data && data->OnBeforeSkinForm) data->OnBeforeSkinForm(form_, handle_, ClassNameForEvents);
    if (form_ && data && InSet(data->SkinControls, xcMenuItem)) form_->SetAutoScroll(false);
    AttachCommon(data);
    if (!form_ || !Attached()) return;
    relay_ = new TFormMethodRelay(*form_, *this);
    if (skinFrame_) relay_->Install();
    savedColor_ = form_->Color();
    form_->SetColor(ResolveColor(data->Colours.ButtonFace));
}

void TWinSkinForm::AttachToWindow(TSkinData* data) { AttachCommon(data); }

void TWinSkinForm::AttachCommon(TSkinData* data) {
    if (Attached() || !data || !IsWindow(handle_)) return;
    if (host_) host_->AttachingStarted();
    skinData_ = data;
    skinFrame_ = InSet(data->SkinControls, xcMainMenu);
    style_ = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE));
    rightToLeft_ = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    isChildStyle_ = (style_ & WS_CHILD) != 0;
    className_ = ClassNameOf(handle_);
    ownerWindow_ = GetWindow(handle_, GW_OWNER);

    styleFlags_ = 0;
    if ((style_ & WS_SYSMENU) || GetSystemMenu(handle_, FALSE)) styleFlags_ |= fsSystemMenu;
    if (style_ & WS_MINIMIZEBOX) styleFlags_ |= fsMinimizeBox;
    if (style_ & WS_MAXIMIZEBOX) styleFlags_ |= fsMaximizeBox;
    showState_ = ShowStateOf(handle_);

    if ((style_ & WS_CAPTION) != WS_CAPTION) borderKind_ = bkNoCaption;
    else if (style_ & WS_THICKFRAME)
        borderKind_ = bkSizeable;
    else if (style_ & DS_MODALFRAME)
        borderKind_ = bkDialog;
    else
        borderKind_ = bkFixed;
    if (exStyle & WS_EX_DLGMODALFRAME) borderKind_ = bkDialog;
    if (className_ == L"#32770" || className_ == L"TMessageForm") {
        borderKind_ = bkDialog;
        isDialogClass_ = true;
    }
    if (CaptionTogglingFor(exStyle, ownerWindow_)) styleFlags_ |= fsCaptionToggle;
    FindMdiClient(exStyle);

    // The system frame is measured now, before the caption style may go: the size the window
    // gets back when it detaches, and the client it keeps under the skinned frame.
    RECT window{};
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &clientRect_);
    stdExtra_ = RECT{0, 0, (window.right - window.left) - clientRect_.right,
                     (window.bottom - window.top) - clientRect_.bottom};

    if (!subclass_.Install(handle_, TWndMethod::Of<TWinSkinForm, &TWinSkinForm::WindowProcedure>(this))) return;
    if (frameKind_ == fkMdiFrame) AttachMdiClient();

    if (skinFrame_) {
        menuHandle_ = GetMenu(handle_);
        CreateMenuBar();
        const bool maximisedChildren = frameKind_ == fkMdiChild && host_ && host_->MdiChildrenMaximised();
        if (showState_ != ssMinimised && !maximisedChildren) SetCaptionStyle(false);
        RebuildFrame();
        if (frameKind_ == fkMdiChild && showState_ == ssMaximised && host_) host_->SetMdiChildrenMaximised(true);
    } else {
        skinState_ = stRunning;
    }
}

void TWinSkinForm::FormGoing() {
    relay_ = nullptr;
    form_ = nullptr;
}

// ---------------------------------------------------------------- activation

void TWinSkinForm::ActivateNow() {
    if (Attached() && !activated_) Activate();
}

// A window shown while it is created (an MDI child) was activated before its controls had
// windows of their own: the posted activation finds them once the creation is over.
void TWinSkinForm::SkinLateChildren() {
    if (Attached() && skinState_ != stDestroying && ChildSkinner()) ChildSkinner()(*this);
}

void TWinSkinForm::Activate() {
    activated_ = true;
    sysMenuHandle_ = GetSystemMenu(handle_, FALSE);
    painter_.RenderIcon(handle_);
    // Menus of a skin that brings no program icon show the window's.
    if (skinData_ && skinData_->FAppIcon.Empty()) skinData_->FAppIcon = painter_.IconBitmap();
    if (ChildSkinner()) ChildSkinner()(*this);
    SwitchFormPopups(true);

    if (skinState_ == stAttached && frameKind_ == fkMdiChild && skinFrame_) {
        ActivateMdiChild();
    } else if (skinState_ == stAttached && !isChildStyle_ && borderKind_ != bkNoCaption && showState_ != ssMinimised) {
        skinState_ = stFirstResize;
        Resize(true);
        skinState_ = stRunning;
        if (showState_ == ssMaximised) SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChanged);
        else
            painter_.BuildRegion(View(), false);
    }
    skinState_ = stRunning;
    SendMessageW(handle_, SKM_SKINAPPLIED, 0, SKM_MAGIC);
    if (skinData_ && skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(form_, handle_, ClassNameForEvents);
}

void TWinSkinForm::Resize(bool firstActivation) {
    if (showState_ == ssMaximised) {
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChanged);
        return;
    }
    // During a re-application the client is the live one under the skinned frame.
    if (!firstActivation) GetClientRect(handle_, &clientRect_);
    const TFrameMetrics& m = painter_.Metrics();
    int width = clientRect_.right + m.BorderLeft + m.BorderRight;
    int height = clientRect_.bottom + m.TitleHeight + m.BorderBottom + m.MenuHeight;
    if (firstActivation && isDialogClass_) ApplyDialogWidthRule(width);
    SetWindowPos(handle_, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

// A dialog whose caption would not fit grows to hold it, its controls moved to stay centred.
void TWinSkinForm::ApplyDialogWidthRule(int& width) {
    if (!skinData_ || !skinData_->Title) return;
    int textWidth = TextWidthInCaptionFont(handle_, WindowTextOf(handle_));
    int minimum = skinData_->Title->LeftWidth + textWidth + skinData_->Title->RightWidth;
    if (width >= minimum) return;
    int shift = (minimum - width) / 2;
    for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, handle_, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
    }
    width = minimum;
}

void TWinSkinForm::SetCaptionStyle(bool on) {
    if (!CaptionToggling()) return;
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    LONG_PTR wanted = on ? (style | WS_CAPTION) : (style & ~static_cast<LONG_PTR>(WS_CAPTION));
    if (wanted != style) SetWindowLongPtrW(handle_, GWL_STYLE, wanted);
}

TFrameView TWinSkinForm::View() const {
    TFrameView view;
    view.Window = handle_;
    view.SkinData = skinData_;
    view.BorderKind = borderKind_;
    view.ShowState = showState_;
    view.Active = active_;
    view.MdiChild = frameKind_ == 2;
    view.SkinState = skinState_;
    return view;
}

void TWinSkinForm::RefreshShowState() { showState_ = ShowStateOf(handle_); }

// ---------------------------------------------------------------- skin changes

void TWinSkinForm::RebuildFrame() {
    if (!skinData_) return;
    painter_.ReadFrameMetrics(*skinData_, borderKind_);
    if (frameKind_ == fkMdiChild) SetMdiChildMenuHeight();
    if (skinState_ != stAttached) painter_.RenderIcon(handle_);
    ReadButtons();
}

void TWinSkinForm::ReapplySkin() {
    if (!skinData_ || !Attached()) return;
    TColor face = ResolveColor(skinData_->Colours.ButtonFace);
    if (form_) {
        form_->SetColor(face);
        for (int i = 0; i < form_->ComponentCount(); ++i)
            if (auto* owned = dynamic_cast<TForm*>(form_->Components(i))) owned->SetColor(face);
    }
    for (auto& skinner : skinners_) skinner->SkinChanged();
    skinState_ = stReapplying;
    if (skinFrame_ && (!isChildStyle_ || frameKind_ == fkMdiChild) && borderKind_ != bkNoCaption &&
        !MdiChildNotNormal()) {
        Resize(false);
        painter_.BuildRegion(View(), true);
        RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    SendMessageW(handle_, SKM_SKINAPPLIED, 0, SKM_MAGIC);
    if (skinData_->OnAfterSkinForm) skinData_->OnAfterSkinForm(form_, handle_, ClassNameForEvents);
    skinState_ = stRunning;
}

void TWinSkinForm::RepaintFrame() {
    if (skinFrame_) painter_.PaintFrame(View(), nullptr);
}

void TWinSkinForm::DropRegion() { painter_.DropRegion(handle_, false); }

// ---------------------------------------------------------------- detaching

void TWinSkinForm::RestoreProcedures() {
    subclass_.Remove();
    if (mdiSubclass_.Installed()) {
        mdiSubclass_.Remove();
        // The client's edge in the system's colours again.
        if (skinState_ != stDestroying && IsWindow(mdiClient_))
            RedrawWindow(mdiClient_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    if (relay_) {
        if (relay_->Uninstall()) delete relay_;
        relay_ = nullptr;
    }
}

void TWinSkinForm::RestoreFormLook() {
    if (form_ && skinState_ != stDestroying) form_->SetColor(savedColor_);
}

void TWinSkinForm::Detach() {
    if (!Attached()) return;
    StopTimer();
    hotObject_ = nullptr;
    if (!skinFrame_) {
        FreeSkinners();
        SwitchFormPopups(false);
        RestoreFormLook();
        TForm* form = form_;
        RestoreProcedures();
        if (form && skinState_ != stDestroying) form->Invalidate();
        return;
    }
    RestoreProcedures();
    FreeSkinners();
    SwitchFormPopups(false);
    RestoreFormLook();
    GiveMenuBack();
    if (!CaptionToggling() && (styleFlags_ & fsSystemMenu)) {
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, style | WS_SYSMENU);
    }
    SetCaptionStyle(true);
    if (skinState_ != stDestroying && (!isChildStyle_ || frameKind_ == fkMdiChild) && IsWindow(handle_)) {
        RECT window{};
        GetWindowRect(handle_, &window);
        const TFrameMetrics& m = painter_.Metrics();
        int width = (window.right - window.left) - m.BorderLeft - m.BorderRight + stdExtra_.right;
        int height = (window.bottom - window.top) - m.TitleHeight - m.BorderBottom - m.MenuHeight + stdExtra_.bottom;
        if (borderKind_ == bkNoCaption || skinState_ == stAttached || MdiChildNotNormal()) {
            SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChanged);
        } else {
            SetWindowPos(handle_, nullptr, 0, 0, width, height,
                         SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    }
    painter_.DropRegion(handle_, true);
    menuBar_.reset();
    painter_.SetMenuHeight(0);
    skinState_ = stAttached;
}

void TWinSkinForm::DetachQuick() {
    if (!Attached()) return;
    StopTimer();
    hotObject_ = nullptr;
    RestoreProcedures();
    FreeSkinners();
    if (menuBar_ && skinState_ == stDestroying && BareWindow()) {
        // The window would have destroyed its menu with itself.
        if (IsMenu(menuBar_->MenuHandle())) DestroyMenu(menuBar_->MenuHandle());
    }
    menuBar_.reset();
}

// ---------------------------------------------------------------- control skinners

bool TWinSkinForm::AddSkinner(std::unique_ptr<TSkinControl> skinner) {
    if (!skinner) return false;
    for (const auto& s : skinners_)
        if (s.get() == skinner.get()) {
            skinner.release();  // the list holds it already
            return true;
        }
    skinners_.push_back(std::move(skinner));
    return false;
}

void TWinSkinForm::RemoveSkinner(TSkinControl* skinner) {
    auto it = std::find_if(skinners_.begin(), skinners_.end(), [skinner](const auto& s) { return s.get() == skinner; });
    if (it != skinners_.end()) skinners_.erase(it);
}

void TWinSkinForm::SweepSkinners() {
    skinners_.erase(
        std::remove_if(skinners_.begin(), skinners_.end(), [](const auto& s) { return s->LifeState() == slGone; }),
        skinners_.end());
}

void TWinSkinForm::FreeSkinners() {
    std::vector<std::unique_ptr<TSkinControl>> skinners;
    skinners.swap(skinners_);
    for (auto& s : skinners)
        if (s->LifeState() != slGone) s->Detach();
}

bool TWinSkinForm::IsSkinned(HWND control) const {
    if (control && SendMessageW(control, SKM_QUERY, 0, 0) == 1) return true;
    return std::any_of(skinners_.begin(), skinners_.end(),
                       [control](const auto& s) { return s->Control() == control; });
}

// ---------------------------------------------------------------- the window procedure

void TWinSkinForm::WindowProcedure(TMessage& message) {
    TDepth depth(depth_);
    if (Stage1(message)) return;
    if (!skinFrame_) {
        PassOn(message);
        return;
    }
    if (Stage2(message)) return;
    Stage3(message);
}

// What every skinned window answers, its frame skinned or not. True when handled.
bool TWinSkinForm::Stage1(TMessage& message) {
    switch (message.Msg) {
        case WM_NCPAINT:
            if (skinState_ != stAttached) return false;
            message.Result = 0;
            return true;
        case WM_NCACTIVATE:
            if (skinState_ != stAttached) return false;
            // Before activation the frame is not drawn at all; answering TRUE lets the
            // activation change go through.
            active_ = message.WParam != 0;
            message.Result = TRUE;
            return true;
        case WM_ERASEBKGND:
            OnEraseBackground(message);
            return true;
        case WM_NCDESTROY:
            skinState_ = stDestroying;
            PassOn(message);
            DetachQuick();
            skinState_ = stDestroyed;
            return true;
        case WM_NCUAHDRAWCAPTION:
            message.Result = 0;
            return true;
        case WM_INITMENUPOPUP:
            if (host_) {
                HMENU menu = reinterpret_cast<HMENU>(message.WParam);
                const bool system = menu && (menu == sysMenuHandle_ || menu == systemMenuCopy_.Get());
                host_->SetMenuContext(system ? mcSystemMenu : mcMenuBar);
            }
            PassOn(message);
            return true;
        case WM_CTLCOLORBTN:
            PassOn(message);
            if (BareWindow()) SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
            return true;
        case WM_CTLCOLORSTATIC:
            PassOn(message);
            if (BareWindow() && skinData_) {
                SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
                if (HBRUSH face = static_cast<HBRUSH>(skinData_->FFaceBrush()))
                    message.Result = reinterpret_cast<LRESULT>(face);
            }
            return true;
        case WM_SETTEXT:
            OnSetText(message);
            return true;
        case SKM_ACTIVATE:
            if (message.LParam != kActivateTag) PassOn(message);
            else if (activated_)
                SkinLateChildren();
            else
                ActivateNow();
            return true;
        case WM_SHOWWINDOW:
            // A window attached before it shows is skinned before its first paint.
            if (message.WParam && skinState_ == stAttached) ActivateNow();
            PassOn(message);
            return true;
        case SKM_QUERY:
            message.Result = 1;
            return true;
        case WM_MENUSELECT:
            if (menuBar_) menuBar_->MenuSelected(message.WParam, message.LParam);
            PassOn(message);
            return true;
        case WM_MEASUREITEM:
            if (!OnMeasureItem(message)) PassOn(message);
            return true;
        case WM_DRAWITEM:
            if (!OnDrawItem(message)) PassOn(message);
            return true;
        default:
            return false;
    }
}

// A bare window's client is filled with the skin's face; the system's own fill is not drawn
// first, so its colour never shows for a moment.
void TWinSkinForm::OnEraseBackground(TMessage& message) {
    HBRUSH face = skinData_ ? static_cast<HBRUSH>(skinData_->FFaceBrush()) : nullptr;
    if (!BareWindow() || !face) {
        PassOn(message);
        return;
    }
    RECT client{};
    GetClientRect(handle_, &client);
    FillRect(reinterpret_cast<HDC>(message.WParam), &client, face);
    message.Result = 1;
}

// The system repaints its own caption when a window with the caption style gets a new text:
// the style is taken away for the change and the skinned frame painted again after it.
void TWinSkinForm::OnSetText(TMessage& message) {
    bool repaint = skinFrame_ && (skinState_ == stRunning || skinState_ == stReapplying) &&
                   (!isChildStyle_ || frameKind_ == fkMdiChild);
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    bool hide = repaint && (style & WS_CAPTION) == WS_CAPTION && showState_ != ssMinimised;
    if (hide) SetWindowLongPtrW(handle_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
    PassOn(message);
    if (hide) SetWindowLongPtrW(handle_, GWL_STYLE, GetWindowLongPtrW(handle_, GWL_STYLE) | WS_CAPTION);
    if (!repaint || !IsWindowVisible(handle_)) return;
    // A maximised child's title shows in its frame's band: the frame repaints.
    if (MaximisedMdiChild()) PostMessageW(GetParent(handle_), SKM_MDIREFRESH, reinterpret_cast<WPARAM>(handle_), 0);
    else
        RepaintFrame();
}

// The frame is skinned. True when handled.
bool TWinSkinForm::Stage2(TMessage& message) {
    if (isChildStyle_ && frameKind_ != fkMdiChild) {
        PassOn(message);
        return true;
    }
    switch (message.Msg) {
        case SKM_SYSTEMMENU:
            // A maximised MDI child's system menu, opened from its icon in the frame's band
            // while the child's own frame is out of sight.
            message.Result = 1;
            ShowSystemMenu(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
            return true;
        case WM_SIZE:
            OnSize(message);
            return true;
        case WM_ACTIVATE:
            active_ = LOBYTE(LOWORD(message.WParam)) != 0;
            return false;
        case WM_NCACTIVATE:
            active_ = LOBYTE(message.WParam) != 0;
            return false;
        case WM_GETMINMAXINFO:
            PassOn(message);
            RefreshShowState();
            SetCaptionStyle(showState_ == ssMinimised || MaximisedMdiChild());
            return true;
        case WM_WINDOWPOSCHANGED:
            RefreshShowState();
            PassOn(message);
            return true;
        case WM_SYSCOMMAND:
            OnSysCommand(message);
            return true;
        case WM_SYSKEYDOWN:
            return OnAltLetter(message);
        case WM_COMMAND: {
            // A choice from the skinned system menu arrives as a command: it becomes the system
            // command it stands for.
            WORD id = LOWORD(message.WParam);
            bool systemCommand = id < 0xFF00 &&
                                 (id == SC_SIZE || id == SC_MOVE || id == SC_MINIMIZE || id == SC_MAXIMIZE ||
                                  id == SC_NEXTWINDOW || id == SC_PREVWINDOW || id == SC_CLOSE || id == SC_RESTORE);
            if (systemCommand) PostMessageW(handle_, WM_SYSCOMMAND, id, 0);
            else
                PassOn(message);
            return true;
        }
        default:
            return false;
    }
}

// Alt+Space opens the skinned system menu alone (the system's would open after it). The show
// state follows the commands; a minimised window keeps a caption of the system's and loses it
// again when it comes back.
void TWinSkinForm::OnSysCommand(TMessage& message) {
    UINT command = static_cast<UINT>(message.WParam & 0xFFF0);
    if (command == SC_KEYMENU && OnKeyMenu(message)) return;
    if (command == SC_KEYMENU && message.LParam == L' ') {
        POINT origin{0, 0};
        ClientToScreen(handle_, &origin);
        ShowSystemMenu(origin.x, origin.y);
        message.Result = 0;
        return;
    }
    if (command == SC_MINIMIZE) {
        showState_ = ssMinimised;
        SetCaptionStyle(true);
    } else if (command == SC_MAXIMIZE) {
        showState_ = ssMaximised;
    } else if (command == SC_RESTORE) {
        showState_ = ssNormal;
        if (frameKind_ == fkMdiChild && host_ && host_->MdiChildrenMaximised()) host_->SetMdiChildrenMaximised(false);
    }
    PassOn(message);
    RefreshShowState();
    if ((command == SC_RESTORE || command == SC_MAXIMIZE) && showState_ != ssMinimised && CaptionToggling()) {
        SetCaptionStyle(false);
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0, kFrameChanged);
    }
}

void TWinSkinForm::OnSize(TMessage& message) {
    PassOn(message);
    switch (message.WParam) {
        case SIZE_RESTORED:
            showState_ = ssNormal;
            break;
        case SIZE_MINIMIZED:
            showState_ = ssMinimised;
            break;
        case SIZE_MAXIMIZED:
            showState_ = ssMaximised;
            break;
        default:
            break;
    }
    if (frameKind_ == fkMdiChild) {
        MdiChildSized();
        return;
    }
    if (showState_ != ssMinimised && (skinState_ == stRunning || skinState_ == stReapplying))
        painter_.BuildRegion(View(), false);
}

// The non-client messages, once the skinner runs.
void TWinSkinForm::Stage3(TMessage& message) {
    if (skinState_ == stAttached || MaximisedMdiChild()) {
        PassOn(message);
        return;
    }
    switch (message.Msg) {
        case WM_NCCALCSIZE:
            NcCalcSize(message);
            return;
        case WM_NCHITTEST:
            NcHitTest(message);
            return;
        case WM_NCPAINT:
            NcPaint(message);
            return;
        case WM_NCACTIVATE:
            NcActivate(message);
            return;
        case SKM_REPAINTFRAME:
            RepaintFrame();
            return;
        case SKM_MENUBARCLICK:
            OnMenuBarClick(message);
            return;
        case WM_NCMOUSEMOVE:
            NcMouseMove(message);
            return;
        case WM_NCLBUTTONDOWN:
            NcLButtonDown(message);
            return;
        case WM_NCLBUTTONUP:
            NcLButtonUp(message);
            return;
        case WM_NCLBUTTONDBLCLK:
            NcLButtonDblClk(message);
            return;
        case WM_NCRBUTTONDOWN:
            NcRButtonDown(message);
            return;
        case WM_CONTEXTMENU:
            OnContextMenu(message);
            return;
        case WM_TIMER:
            OnTimer(message);
            return;
        default:
            PassOn(message);
    }
}

void TWinSkinForm::NcCalcSize(TMessage& message) {
    // The system turns the proposed window rect into its own client rect in place.
    RECT proposed = *reinterpret_cast<RECT*>(message.LParam);
    PassOn(message);
    if (borderKind_ == bkNoCaption) return;
    if (MdiChildNotNormal()) {
        // A minimised child keeps the system's frame; its title is painted over it.
        if (message.WParam) {
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
            params->rgrc[1] = params->rgrc[0];
            message.Result = WVR_VALIDRECTS;
        }
        return;
    }
    if (message.WParam == 0) {
        // The plain form (a window rect in, its client rect out) gets the skinned frame too.
        *reinterpret_cast<RECT*>(message.LParam) = painter_.ClientRectFor(proposed);
        message.Result = 0;
        return;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
    RECT client = painter_.ClientRectFor(proposed);
    params->rgrc[0] = client;
    params->rgrc[1] = client;
    message.Result = WVR_VALIDRECTS;
}

// The skinned frame answers from its own geometry: the system knows nothing of its borders. The
// caption buttons lie in the caption; the mouse handlers find them there.
void TWinSkinForm::NcHitTest(TMessage& message) {
    RECT window{};
    GetWindowRect(handle_, &window);
    const POINT screen = PointOf(message.LParam);
    const bool sizeable = borderKind_ == bkSizeable && showState_ == ssNormal;
    message.Result = FrameHitCode(screen.x - window.left, screen.y - window.top, window.right - window.left,
                                  window.bottom - window.top, painter_.Metrics(), sizeable);
}

void TWinSkinForm::NcPaint(TMessage& message) {
    if (!CaptionToggling()) {
        // The system draws no caption buttons of a window without a system menu.
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        if (style & WS_SYSMENU) SetWindowLongPtrW(handle_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
    }
    if (!framePainting_) {
        // The form is changing its menu: the frame comes again once it has.
    } else if (borderKind_ == bkNoCaption) {
        PassOn(message);
    } else {
        RepaintFrame();
    }
    message.Result = 0;
}

// The system draws nothing: its caption would show for a moment under the skinned one. An MDI
// frame's client hears of the change as the system's frame procedure would tell it.
void TWinSkinForm::NcActivate(TMessage& message) {
    active_ = message.WParam != 0;
    if (frameKind_ == fkMdiFrame && mdiClient_) SendMessageW(mdiClient_, WM_NCACTIVATE, message.WParam, 0);
    RepaintFrame();
    message.Result = TRUE;
}

// ---------------------------------------------------------------- the form's own method

void TWinSkinForm::FormProcedure(TMessage& message) {
    TDepth depth(depth_);
    switch (message.Msg) {
        case SKM_SKINCHANGED:
            ReapplySkin();
            return;
        case SKM_PAINTTO:
            if (message.LParam != SKM_MAGIC) return;
            if (message.WParam) painter_.PaintFrame(View(), reinterpret_cast<HDC>(message.WParam));
            message.Result = SKM_MAGIC;
            return;
        case SKM_PAINTPROBE:
            message.Result = message.LParam == SKM_MAGIC ? SKM_MAGIC : 1;
            return;
        case CM_MENUCHANGED:
            OnMenuChanged(message);
            return;
        case CM_DIALOGCHAR:
            OnDialogChar(message);
            return;
        default:
            relay_->CallSaved(message);
    }
}

}  // namespace tw
