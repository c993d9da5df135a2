#include "skin/controls/ControlSkinner.h"

#include <exception>

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "framework/win/Handles.h"
#include "skin/controls/ControlMethodRelay.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

bool ShowsParentPicture(int tag, const TSkinData& data) {
    return tag == kParentPictureTag || InSet(data.Options, xoTransparent);
}

TControlSkinner::~TControlSkinner() {
    *alive_ = false;
    if (attached_ && LifeState() != slGone) {
        Detach();
    } else if (relay_) {
        if (relay_->Uninstall()) delete relay_;
        relay_ = nullptr;
    }
    subclass_.Remove();
}

// ---------------------------------------------------------------- attaching

void TControlSkinner::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    if (attached_) return;
    HWND handle = control.Handle();
    if (!handle) return;
    recolour_ = recolour;
    skinData_ = &data;
    form_ = &form;
    control_ = &control;
    SetControl(handle);
    relay_ = new TControlMethodRelay(control, *this);
    relay_->Install();
    if (recolour_) {
        ParentBackgroundStep(true);
        savedColor_ = control.Color();
        control.SetColor(ResolveColor(data.Colours.ButtonFace));
    }
    if (parentBackgroundCleared_) classMode_ = 1;
    control.Invalidate();
    attached_ = true;
    SetLifeState(1);
}

void TControlSkinner::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    if (attached_ || !IsWindow(window)) return;
    skinData_ = &data;
    form_ = &form;
    SetControl(window);
    classMode_ = 0;
    if (!subclass_.Install(window, TWndMethod::Of<TControlSkinner, &TControlSkinner::Route>(this))) return;
    InvalidateRect(window, nullptr, TRUE);
    attached_ = true;
    SetLifeState(1);
}

void TControlSkinner::AttachWindowless(TWinSkinForm& form, TSkinData& data, TControl& control) {
    if (attached_) return;
    skinData_ = &data;
    form_ = &form;
    SetControl(nullptr);
    relay_ = new TControlMethodRelay(control, *this);
    relay_->Install();
    attached_ = true;
    SetLifeState(1);
}

void TControlSkinner::ParentBackgroundStep(bool attaching) {
    if (!control_ || !skinData_ || InSet(skinData_->Options, xoParentBackGround)) return;
    if (!HasProp(control_, "ParentBackground")) return;
    if (attaching) {
        std::string value = GetEnumProp(control_, "ParentBackground");
        if (value == "true" || value == "True" || value == "TRUE") {
            parentBackgroundCleared_ = true;
            SetPropFromText(control_, "ParentBackground", "False");
        }
    } else if (parentBackgroundCleared_) {
        SetPropFromText(control_, "ParentBackground", "True");
        parentBackgroundCleared_ = false;
    }
}

void TControlSkinner::RestoreLook() {
    if (recolour_ && control_) {
        ParentBackgroundStep(false);
        control_->SetColor(savedColor_);
    }
}

void TControlSkinner::Detach() {
    if (!attached_) return;
    RestoreLook();
    if (relay_) {
        if (relay_->Uninstall()) delete relay_;
        relay_ = nullptr;
    }
    subclass_.Remove();
    attached_ = false;
    if (LifeState() != slGone && IsWindow(Handle())) InvalidateRect(Handle(), nullptr, TRUE);
}

void TControlSkinner::SkinChanged() {
    if (!attached_ || !skinData_) return;
    if (recolour_ && control_) control_->SetColor(ResolveColor(skinData_->Colours.ButtonFace));
    Repaint();
}

void TControlSkinner::ControlGoing() {
    // The relay is being freed with the control's components; the window follows.
    relay_ = nullptr;
    control_ = nullptr;
    active_ = false;
    attached_ = false;
    SetLifeState(slGone);
    WindowGoing();
}

void TControlSkinner::FollowRecreation(TMessage& message) {
    const std::shared_ptr<bool> alive = alive_;
    TWinSkinForm* form = form_;
    TSkinData* data = skinData_;
    TWinControl* control = control_;
    WindowGoing();
    CallPrevious(message);
    if (!*alive || !form || !data || !control || !control->HandleAllocated()) return;
    TControlSkinner::Detach();
    SetLifeState(slAttached);
    AttachControl(*form, *data, *control, false);
    if (!Attached()) return;
    // The old window's end stood the skinner aside; the new one is skinned again.
    TMessage enable{SKM_ENABLE, 1, 0, 0};
    Route(enable);
}

// ---------------------------------------------------------------- message routing

void TControlSkinner::Route(TMessage& message) {
    // Anything a message runs may free this skinner (a click can end the skin); the flag is
    // read before the object is touched again.
    const std::shared_ptr<bool> alive = alive_;
    if (message.Msg == SKM_ENABLE) {
        active_ = static_cast<LONG_PTR>(message.WParam) > 0;
        if (active_) Repaint();
        return;
    }
    if (!active_) {
        CallPrevious(message);
        return;
    }
    if (!BeforeMessage(message) || !*alive) return;
    CallPrevious(message);
    if (*alive && active_) AfterMessage(message);
}

void TControlSkinner::CallPrevious(TMessage& message) {
    if (relay_) relay_->CallSaved(message);
    else if (subclass_.Installed())
        subclass_.CallPrevious(message);
    else if (IsWindow(Handle()))
        message.Result = DefWindowProcW(Handle(), message.Msg, message.WParam, message.LParam);
}

bool TControlSkinner::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCDESTROY: {
            const std::shared_ptr<bool> alive = alive_;
            CallPrevious(message);
            if (!*alive) return false;
            active_ = false;
            SetLifeState(slGone);
            RestoreLook();
            // The window's chain lets go of this layer itself; the next sweep frees the skinner.
            return false;
        }
        case SKM_QUERY:
            message.Result = 1;
            return false;
        default:
            return true;
    }
}

void TControlSkinner::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case CM_ENABLEDCHANGED:
            Repaint();
            break;
        case WM_PAINT:
            PaintFrame(reinterpret_cast<HDC>(message.WParam));
            break;
        case WM_MOUSELEAVE:
            LeaveWindow();
            break;
        default:
            break;
    }
}

void TControlSkinner::LeaveWindow() { mouseState_ = 0; }

// ---------------------------------------------------------------- painting

void TControlSkinner::PaintFrame(HDC dc) {
    try {
        RECT r{};
        if (!GetWindowRect(Handle(), &r)) return;
        windowRect_ = r;
        OffsetRect(&r, -r.left, -r.top);
        if (dc) {
            DrawSkin(dc, r);
        } else {
            const TWindowDC window = WholeWindowDC(Handle());
            if (window) DrawSkin(window.Get(), r);
        }
    } catch (...) {
        // Painting never fails a window.
    }
}

void TControlSkinner::PaintMessage(TMessage& message) {
    message.Result = 0;
    try {
        RECT r{};
        if (message.WParam) {
            if (!GetWindowRect(Handle(), &r)) return;
            windowRect_ = r;
            OffsetRect(&r, -r.left, -r.top);
            DrawSkin(reinterpret_cast<HDC>(message.WParam), r);
            return;
        }
        TPaintDC paint(Handle());
        if (!GetWindowRect(Handle(), &r)) return;
        windowRect_ = r;
        OffsetRect(&r, -r.left, -r.top);
        if (paint.Get()) DrawSkin(paint.Get(), r);
    } catch (...) {
    }
}

bool TControlSkinner::PaintWholeWindow(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintMessage(message);
            return true;
        case WM_ERASEBKGND:
            message.Result = 1;
            return true;
        default:
            return false;
    }
}

void TControlSkinner::Repaint() {
    HWND h = Handle();
    if (!h || !IsWindow(h)) return;
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
}

void TControlSkinner::TrackLeave() {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&tme);
}

void TControlSkinner::ForwardMouseDown(const TMessage& message) {
    if (!control_) return;
    POINT pt{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    if (control_->Width() > 0x8000 || control_->Height() > 0x8000) {
        GetCursorPos(&pt);
        ScreenToClient(Handle(), &pt);
    }
    control_->MouseDown(static_cast<unsigned>(message.WParam), pt);
}

COLORREF TControlSkinner::FaceColour() const {
    return skinData_ ? ColorToRGB(ResolveColor(skinData_->Colours.ButtonFace)) : GetSysColor(COLOR_BTNFACE);
}

void TControlSkinner::FillFace(HDC dc, const RECT& rect) const { FillColour(dc, rect, FaceColour()); }

void TControlSkinner::FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    if (rect.right < rect.left || rect.bottom < rect.top) return;
    const TBrushHandle brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.Get());
}

void TControlSkinner::DrawSkinObject(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                     const TDataSkinObject& object) {
    if (rect.right < rect.left || rect.bottom < rect.top || object.Image.Empty()) return;
    DrawNineSlice(dc, rect, object.Image, SliceOptionsOf(object, frameCount, frameIndex), object.Trans == 1);
}

std::wstring TControlSkinner::CaptionText() const {
    if (control_) return control_->Caption();
    HWND h = Handle();
    int length = GetWindowTextLengthW(h);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    int got = GetWindowTextW(h, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

bool TControlSkinner::WindowEnabled() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_DISABLED) == 0; }

UINT TControlSkinner::TextFormat(UINT format) const {
    if (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) format |= DT_RTLREADING;
    return format;
}

}  // namespace tw
