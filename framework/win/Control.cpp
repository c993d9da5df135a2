#include "framework/win/Control.h"

#include <algorithm>
#include <cwchar>
#include <map>

#include "framework/core/Exception.h"
#include "framework/win/ContextMenu.h"
#include "framework/win/Forms.h"
#include "framework/win/Menus.h"
#include "framework/win/RedrawFreeze.h"

namespace tw {

namespace {

// The window property that maps a window to its control; its name carries the module and
// the GUI thread so two copies of the framework in one process never mix their windows.
class TControlAtom {
public:
    TControlAtom() {
        wchar_t name[40];
        swprintf(name, 40, L"ControlOfs%.8X%.8X",
                 static_cast<unsigned>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
                 static_cast<unsigned>(GetCurrentThreadId()));
        atom_ = GlobalAddAtomW(name);
    }
    ~TControlAtom() {
        if (atom_) GlobalDeleteAtom(atom_);
    }
    LPCWSTR Name() const { return MAKEINTATOM(atom_); }

private:
    ATOM atom_ = 0;
};

const TControlAtom& ControlAtom() {
    static TControlAtom atom;
    return atom;
}

// The control whose CreateWindowEx is under way; its first messages arrive before the
// window property can be set.
thread_local TWinControl* creatingControl = nullptr;

// Window procedures of the system classes our classes are built on, by our class name.
std::map<std::wstring, WNDPROC>& BaseProcs() {
    static std::map<std::wstring, WNDPROC> procs;
    return procs;
}

WNDPROC RegisterFrameworkClass(const TCreateParams& params) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto& procs = BaseProcs();
    auto found = procs.find(params.ClassName);
    if (found != procs.end()) return found->second;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC baseProc = DefWindowProcW;
    if (!params.BaseClassName.empty()) {
        if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc))
            throw Exception("Window class not found: " + Utf8FromWide(params.BaseClassName));
        baseProc = wc.lpfnWndProc;
        wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    } else {
        wc.style = params.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = FrameworkWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.ClassName.c_str();
    if (!wc.hIcon && params.BaseClassName.empty()) wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Cannot register window class " + Utf8FromWide(params.ClassName));
    procs[params.ClassName] = baseProc;
    return baseProc;
}

}  // namespace

TWinControl* FindControlOfWindow(HWND wnd) {
    if (!wnd) return nullptr;
    return static_cast<TWinControl*>(GetPropW(wnd, ControlAtom().Name()));
}

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = FindControlOfWindow(wnd);
    if (!control) {
        control = creatingControl;
        if (!control) return DefWindowProcW(wnd, msg, wParam, lParam);
        creatingControl = nullptr;
        control->AttachHandle(wnd);
    }
    TMessage message{msg, wParam, lParam, 0};
    GuardCallback([control, &message] { control->WindowProc(message); });
    if (msg == WM_NCDESTROY) control->DetachHandle();
    return message.Result;
}

// ---------------------------------------------------------------- TControl

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info{
        "TControl",
        &TComponent::StaticClassInfo(),
        {
            IntProp<TControl>(
                "Left", [](const TControl& c) { return c.Left(); },
                [](TControl& c, int64_t v) { c.SetLeft(static_cast<int>(v)); }),
            IntProp<TControl>(
                "Top", [](const TControl& c) { return c.Top(); },
                [](TControl& c, int64_t v) { c.SetTop(static_cast<int>(v)); }),
            IntProp<TControl>(
                "Width", [](const TControl& c) { return c.Width(); },
                [](TControl& c, int64_t v) { c.SetWidth(static_cast<int>(v)); }),
            IntProp<TControl>(
                "Height", [](const TControl& c) { return c.Height(); },
                [](TControl& c, int64_t v) { c.SetHeight(static_cast<int>(v)); }),
            WStrProp<TControl>(
                "Caption", [](const TControl& c) { return c.Caption(); },
                [](TControl& c, const std::wstring& v) { c.SetCaption(v); }),
            IntProp<TControl>(
                "Color", [](const TControl& c) { return c.Color(); },
                [](TControl& c, int64_t v) { c.SetColor(static_cast<TColor>(v)); }),
            BoolProp<TControl>(
                "Enabled", [](const TControl& c) { return c.Enabled(); }, [](TControl& c, bool v) { c.SetEnabled(v); }),
            BoolProp<TControl>(
                "Visible", [](const TControl& c) { return c.Visible(); }, [](TControl& c, bool v) { c.SetVisible(v); }),
            BoolProp<TControl>(
                "ParentColor", [](const TControl& c) { return c.ParentColor(); },
                [](TControl& c, bool v) { c.SetParentColor(v); }),
            BoolProp<TControl>(
                "ParentFont", [](const TControl& c) { return c.ParentFont(); },
                [](TControl& c, bool v) { c.SetParentFont(v); }),
            ObjProp<TControl>("Font", [](const TControl& c) { return const_cast<TFont*>(&c.Font()); }),
        }};
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = TWndMethod::Of<TControl, &TControl::WndProc>(this);
    font_.OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    BoundsChanged();
}

void TControl::SetCaption(const std::wstring& text) {
    if (text == caption_) return;
    caption_ = text;
    TextChanged();
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TWinControl::TextChanged() {
    if (handle_) SetWindowTextW(handle_, caption_.c_str());
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    parentColor_ = value;
    if (value && parent_) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TControl::SetParentFont(bool value) {
    if (value && parent_) {
        font_.OnChange = nullptr;
        font_.Assign(parent_->Font());
        font_.OnChange = [this] {
            parentFont_ = false;
            FontChanged();
        };
        FontChanged();
    }
    parentFont_ = value;
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::ColorChanged() {
    Perform(CM_COLORCHANGED);
    Invalidate();
}

namespace {

bool HasWindowedChild(const TWinControl& control) {
    for (int i = 0; i < control.ControlCount(); ++i)
        if (dynamic_cast<const TWinControl*>(control.Controls(i))) return true;
    return false;
}

}  // namespace

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    auto* self = dynamic_cast<TWinControl*>(this);
    // A group's controls each paint at once as their state changes, and the group again after
    // them: held still, the whole group paints once.
    TRedrawFreeze freeze(self && self->HandleAllocated() && HasWindowedChild(*self) ? self->Handle() : nullptr);
    // The system leaves the children of a disabled window looking enabled; a disabled group
    // should show its controls disabled, so the state goes down the whole tree.
    if (self) self->ApplyEnabledToWindows();
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

bool TControl::EffectivelyEnabled() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    // A top-level window is made when first shown; a child once its parent has a window.
    if (auto* self = dynamic_cast<TWinControl*>(this);
        self && (self->HandleAllocated() || (value && (!parent_ || parent_->HandleAllocated()))))
        ShowWindow(self->Handle(), value ? SW_SHOW : SW_HIDE);
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    if (!dynamic_cast<TWinControl*>(this) && parent_) {
        RECT r = BoundsRect();
        if (parent_->HandleAllocated()) InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

void TControl::Invalidate() {}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

const TEdgeColours* TControl::EdgeColours() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (c->edgeColours_) return c->edgeColours_.get();
    return nullptr;
}

void TControl::SetEdgeColours(const TEdgeColours* colours) {
    edgeColours_ = colours ? std::make_unique<TEdgeColours>(*colours) : nullptr;
    Invalidate();
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_PARENTFONTCHANGED:
            if (parentFont_) SetParentFont(true);
            return;
        case CM_PARENTCOLORCHANGED:
            if (parentColor_) SetParentColor(true);
            return;
        default:
            break;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::MouseDown(unsigned keys, POINT point) {
    if (OnMouseDown) OnMouseDown(this, keys, point);
}

// ---------------------------------------------------------------- TGraphicControl

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info{"TGraphicControl", &TControl::StaticClassInfo(), {}};
    return info;
}

void TGraphicControl::Invalidate() {
    if (parent_ && parent_->HandleAllocated() && visible_) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

void TGraphicControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (message.WParam) Paint(reinterpret_cast<HDC>(message.WParam));
            return;
        case WM_LBUTTONUP: {
            POINT pt{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
            if (EffectivelyEnabled() && pt.x >= 0 && pt.y >= 0 && pt.x < width_ && pt.y < height_) Click();
            return;
        }
        default:
            TControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- TWinControl

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info{"TWinControl",
                                 &TControl::StaticClassInfo(),
                                 {
                                     IntProp<TWinControl>(
                                         "TabOrder", [](const TWinControl& c) { return c.TabOrder(); },
                                         [](TWinControl& c, int64_t v) { c.SetTabOrder(static_cast<int>(v)); }),
                                     BoolProp<TWinControl>(
                                         "TabStop", [](const TWinControl& c) { return c.TabStop(); },
                                         [](TWinControl& c, bool v) { c.SetTabStop(v); }),
                                 }};
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Owned components go first, while this control is still whole; children owned
    // elsewhere only lose their parent.
    DestroyComponents();
    for (TControl* c : std::vector<TControl*>(controls_)) RemoveControl(c);
    DestroyHandle();
}

HWND TWinControl::Handle() {
    if (!handle_ && !creating_) {
        creating_ = true;
        try {
            CreateWnd();
        } catch (...) {
            creating_ = false;
            throw;
        }
        creating_ = false;
    }
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.ClassName = WideFromUtf8(ClassName());
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) params.Style |= WS_VISIBLE;
    if (tabStop_) params.Style |= WS_TABSTOP;
    if (!EffectivelyEnabled()) params.Style |= WS_DISABLED;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.Caption = caption_;
    if (parent_) params.ParentWnd = parent_->Handle();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.ParentWnd)
        throw Exception("Control '" + Name() + "' has no parent window");
    defWndProc_ = RegisterFrameworkClass(params);
    creatingControl = this;
    CreateWindowHandle(params);
    creatingControl = nullptr;
    if (!handle_) throw Exception("Error creating window of " + ClassName());
    HandleCreated();
    for (TWinControl* child : tabList_) child->HandleNeeded();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    HWND wnd = CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                               params.Y, params.Width, params.Height, params.ParentWnd, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (wnd && !handle_) AttachHandle(wnd);
}

void TWinControl::HandleCreated() {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
}

void TWinControl::DestroyWnd() {
    if (handle_) DestroyWindow(handle_);
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    DestroyWnd();
    if (handle_) DetachHandle();
}

void TWinControl::RecreateWnd() {
    if (handle_) PostMessageW(handle_, CM_RECREATEWND, 0, 0);
}

void TWinControl::AttachHandle(HWND wnd) {
    handle_ = wnd;
    SetPropW(wnd, ControlAtom().Name(), this);
}

void TWinControl::DetachHandle() {
    if (!handle_) return;
    RemovePropW(handle_, ControlAtom().Name());
    handle_ = nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(win);
        if (handle_) win->HandleNeeded();
    }
    if (control->parentFont_) control->SetParentFont(true);
    if (control->parentColor_) control->SetParentColor(true);
}

void TWinControl::RemoveControl(TControl* control) {
    if (mouseControl_ == control) mouseControl_ = nullptr;
    if (hoverControl_ == control) hoverControl_ = nullptr;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        if (win->handle_ && !IsDestroying()) win->DestroyHandle();
    }
    control->parent_ = nullptr;
}

void TWinControl::ApplyEnabledToWindows() {
    if (handle_) EnableWindow(handle_, EffectivelyEnabled());
    for (TControl* c : controls_) {
        if (auto* win = dynamic_cast<TWinControl*>(c)) win->ApplyEnabledToWindows();
        else
            c->Invalidate();
    }
}

std::vector<TWinControl*> TWinControl::TabList() const { return tabList_; }

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    const auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
    if (handle_) {
        // Dialog navigation follows the z-order: keep it equal to the tab order.
        HWND after = order == 0 ? HWND_TOP : list[static_cast<size_t>(order - 1)]->handle_;
        if (after) SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (handle_) {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        BoundsChanged();
    } else {
        TControl::SetBounds(left, top, width, height);
    }
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, width_, height_};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::SetFocus() {
    if (CanFocus()) ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_ || !c->visible_) return false;
    return true;
}

TControl* TWinControl::ControlAtPos(POINT pt) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->visible_) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, pt)) return c;
    }
    return nullptr;
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : controls_) {
        if (dynamic_cast<TWinControl*>(c) || !c->visible_) continue;
        const TSavedDC saved = SaveState(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + c->left_, origin.y + c->top_, nullptr);
        IntersectClipRect(dc, 0, 0, c->width_, c->height_);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}

void TWinControl::EraseWithColor(HDC dc) {
    RECT r;
    GetClientRect(handle_, &r);
    SetBkColor(dc, ColorToRGB(color_));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    for (TControl* c : controls_) c->Perform(CM_PARENTFONTCHANGED);
    TControl::FontChanged();
}

void TWinControl::ColorChanged() {
    brush_.Reset();
    for (TControl* c : controls_) c->Perform(CM_PARENTCOLORCHANGED);
    TControl::ColorChanged();
}

bool TWinControl::ReflectToChild(TMessage& message) {
    HWND child = nullptr;
    switch (message.Msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            child = reinterpret_cast<HWND>(message.LParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
            break;
        case WM_DRAWITEM:
            child = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
            break;
        default:
            return false;
    }
    TWinControl* target = FindControlOfWindow(child);
    if (!target || target == this) return false;
    message.Result = target->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

void TWinControl::ForwardMouseToGraphic(TMessage& message) {
    POINT pt{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    TControl* target = message.Msg == WM_LBUTTONUP && mouseControl_ ? mouseControl_ : ControlAtPos(pt);
    if (message.Msg == WM_LBUTTONDOWN) mouseControl_ = target;
    if (message.Msg == WM_LBUTTONUP) mouseControl_ = nullptr;
    if (message.Msg == WM_MOUSEMOVE) HoverGraphic(ControlAtPos(pt));
    if (!target) return;
    LPARAM local = MAKELPARAM(pt.x - target->left_, pt.y - target->top_);
    target->Perform(message.Msg, message.WParam, local);
}

void TWinControl::HoverGraphic(TControl* control) {
    if (control == hoverControl_) return;
    TControl* left = hoverControl_;
    hoverControl_ = control;
    if (left) left->Perform(CM_MOUSELEAVE);
    if (control && hoverControl_ == control) control->Perform(CM_MOUSEENTER);
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (defWndProc_ == DefWindowProcW) {
                if (message.WParam) {
                    PaintControls(reinterpret_cast<HDC>(message.WParam));
                } else {
                    TPaintDC dc(handle_);
                    PaintControls(dc.Get());
                }
                return;
            }
            break;
        case WM_ERASEBKGND:
            if (defWndProc_ == DefWindowProcW) {
                EraseWithColor(reinterpret_cast<HDC>(message.WParam));
                message.Result = 1;
                return;
            }
            break;
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORLISTBOX:
        case CN_CTLCOLORBTN:
        case CN_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(message.WParam);
            SetTextColor(dc, ColorToRGB(font_.Color()));
            SetBkColor(dc, ColorToRGB(color_));
            if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(color_)));
            message.Result = reinterpret_cast<LRESULT>(brush_.Get());
            return;
        }
        case WM_SETFOCUS:
            DefaultHandler(message);
            if (TForm* form = ParentForm(); form && form != this)
                form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
            return;
        case WM_MOUSEMOVE:
            if (!mouseInside_) {
                mouseInside_ = true;
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
                TrackMouseEvent(&tme);
                Perform(CM_MOUSEENTER);
            }
            ForwardMouseToGraphic(message);
            break;
        case WM_MOUSELEAVE:
            mouseInside_ = false;
            HoverGraphic(nullptr);
            Perform(CM_MOUSELEAVE);
            break;
        case WM_LBUTTONDOWN:
            MouseDown(static_cast<unsigned>(message.WParam),
                      POINT{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))});
            ForwardMouseToGraphic(message);
            break;
        case WM_LBUTTONUP:
            ForwardMouseToGraphic(message);
            break;
        case WM_CONTEXTMENU:
            // The control's own menu, or the system's way: its own procedure, then the parent.
            if (ShowContextMenu(*this, message.LParam)) {
                message.Result = 0;
                return;
            }
            break;
        case CM_RECREATEWND:
            DestroyHandle();
            HandleNeeded();
            return;
        default:
            if (ReflectToChild(message)) return;
            break;
    }
    TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!handle_) return;
    // Our own messages have no meaning to the system procedures.
    if (message.Msg >= CM_BASE && message.Msg < CN_BASE + 0x400) return;
    message.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, message.Msg, message.WParam,
                                     message.LParam);
}

}  // namespace tw
