#include "skin/controls/SkinButton.h"

#include <cwctype>

#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/PaintControlTo.h"

namespace tw {

namespace {

std::wstring LowerClassName(HWND window) {
    wchar_t name[101] = {};
    GetClassNameW(window, name, 100);
    std::wstring s(name);
    for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

}  // namespace

void TSkinButton::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    const std::string name = control.ClassName();
    auto startsWith = [&name](const char* prefix) {
        for (size_t i = 0; prefix[i]; ++i)
            if (i >= name.size() || std::tolower(static_cast<unsigned char>(name[i])) != prefix[i]) return false;
        return true;
    };
    classMode_ = (startsWith("trz") || startsWith("tel")) ? 1 : 0;
    parentImage_ = ShowsParentPicture(control.Tag(), data);
}

void TSkinButton::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    parentImage_ = false;
}

bool TSkinButton::HasImage() const { return skinData_ && skinData_->Buttons && !skinData_->Buttons->Image.Empty(); }

bool TSkinButton::BeforeMessage(TMessage& message) {
    // Without an image to draw the button keeps its own look and its own handling of the mouse.
    if (!HasImage()) return TControlSkinner::BeforeMessage(message);
    if (PaintWholeWindow(message)) return false;
    switch (message.Msg) {
        case WM_TIMER:
            KillTimer(Handle(), 1);
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!Focused()) SetFocus(Handle());
            mouseState_ |= msPressed;
            PaintFrame(nullptr);
            if (classMode_ == 0 && control_) ForwardMouseDown(message);
            return false;
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

void TSkinButton::AfterMessage(TMessage& message) {
    if (!HasImage()) {
        TControlSkinner::AfterMessage(message);
        return;
    }
    switch (message.Msg) {
        case WM_SETTEXT:
            PaintFrame(nullptr);
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) {
                if (message.Msg == WM_KEYDOWN) mouseState_ |= msPressed;
                else
                    mouseState_ &= ~msPressed;
                Repaint();
            }
            break;
        case WM_MOUSEMOVE:
            if (WindowEnabled() && !(mouseState_ & msHot)) {
                mouseState_ |= msHot;
                Repaint();
            }
            TrackLeave();
            break;
        case WM_LBUTTONUP:
            if (mouseState_ & msPressed) Release();  // the click comes last: it may end the skin
            break;
        case WM_MOUSELEAVE:
            mouseState_ &= ~(msHot | msPressed);
            Repaint();
            break;
        // The system's button draws its own state and focus at once on these: paint over it.
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_UPDATEUISTATE:
        case CM_DIALOGKEY:
        case CM_FOCUSCHANGED:
        case CM_ENABLEDCHANGED:
            Repaint();
            break;
        default:
            TControlSkinner::AfterMessage(message);
            break;
    }
}

void TSkinButton::Release() {
    mouseState_ &= ~msPressed;
    Repaint();
    HWND h = Handle();
    if (TWinControl* control = control_) {
        control->PerformClick();
        return;
    }
    HWND parent = GetParent(h);
    if (!parent) return;
    if (LowerClassName(h) == L"tbutton") PostMessageW(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(h));
    else
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED), reinterpret_cast<LPARAM>(h));
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasImage() || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const TDataSkinButton& button = *skinData_->Buttons;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    TButtonLook look;
    look.Pressed = (mouseState_ & msPressed) != 0;
    look.Hot = (mouseState_ & msHot) != 0;
    look.Focused = Focused() || (style & 15) == BS_DEFPUSHBUTTON;
    look.Enabled = (style & WS_DISABLED) == 0;
    const int frame = ButtonFrameFor(look);
    lastFrame_ = frame;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        const RECT local{0, 0, width, height};
        if (parentImage_ && control_) {
            // What lies behind can change at any time: composed afresh.
            if (!PaintControlTo(*control_, b)) FillFace(b, local);
            DrawSkinObject(b, local, kButtonFrameCount, frame, button);
        } else if (HBITMAP composed = ComposedFrame(dc, frame, width, height)) {
            TBitmapDC source(dc, composed);
            if (source) BitBlt(b, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
        }

        // Font and colour of the caption.
        HFONT font = control_ ? control_->Font().Handle()
                              : reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        const TSelection selectFont = Select(b, font);
        TColor colour = control_ ? control_->Font().Color() : skinData_->Colours.ButtonText;
        if (frame == bfNormal && button.HasNormalColour2) colour = button.NormalColour2;
        if (frame == bfHot && button.HasMouseOverColour2) colour = button.MouseOverColour2;
        if (frame == bfPressed && button.HasPressedColour2) colour = button.PressedColour2;
        if (!look.Enabled) colour = skinData_->Colours.ButtonShadow;
        SetTextColor(b, ColorToRGB(ResolveColor(colour)));
        DrawCaption(b, local, CaptionText(), Focused());
    });
}

void TSkinButton::SkinChanged() {
    for (auto& f : frames_) f.Reset();
    TControlSkinner::SkinChanged();
}

HBITMAP TSkinButton::ComposedFrame(HDC dc, int frame, int width, int height) {
    if (framesSize_.cx != width || framesSize_.cy != height) {
        for (auto& f : frames_) f.Reset();
        framesSize_ = SIZE{width, height};
    }
    TBitmapHandle& cached = frames_[static_cast<size_t>(frame)];
    if (!cached) {
        TBitmapHandle made(CreateCompatibleBitmap(dc, width, height));
        if (!made) return nullptr;
        TBitmapDC target(dc, made.Get());
        if (!target) return nullptr;
        const RECT local{0, 0, width, height};
        FillFace(target.Get(), local);
        DrawSkinObject(target.Get(), local, kButtonFrameCount, frame, *skinData_->Buttons);
        cached = std::move(made);
    }
    return cached.Get();
}

void TSkinButton::DrawCaption(HDC dc, const RECT& rect, const std::wstring& source, bool focused) {
    std::wstring text = source;
    const size_t bars = text.find(L"||");
    if (bars != std::wstring::npos) text.replace(bars, 2, L"\r\n");
    RECT work = rect;
    InflateRect(&work, -2, -2);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
    RECT measured = work;
    DrawFitText(dc, text, measured, format | DT_CALCRECT | DT_NOCLIP);
    const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
    work = RECT{0, 0, textWidth, textHeight};
    OffsetRect(&work, rect.left + (rect.right - rect.left - textWidth) / 2,
               rect.top + (rect.bottom - rect.top - textHeight) / 2 - 1);
    DrawFitText(dc, text, work, TextFormat(format));
    SetBkMode(dc, oldMode);
    if (focused && !InSet(skinData_->Options, xoNoFocusRect)) {
        InflateRect(&work, 2, 2);
        DrawFocusRect(dc, &work);
    }
}

}  // namespace tw
