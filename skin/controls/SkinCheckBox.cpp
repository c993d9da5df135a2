#include "skin/controls/SkinCheckBox.h"

#include "framework/core/PropertyText.h"
#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/PaintControlTo.h"

namespace tw {

namespace {

constexpr UINT kExitNotification = 0xB01B;
constexpr UINT kStateNotification = 0xB0D0;

std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s.push_back(c < 128 ? static_cast<char>(c) : '?');
    return s;
}

// Published Booleans read as their identifier, "True" or "False", in any case.
bool IsTrue(const std::wstring& value) {
    return value.size() == 4 && (value[0] | 0x20) == L't' && (value[1] | 0x20) == L'r' && (value[2] | 0x20) == L'u' &&
           (value[3] | 0x20) == L'e';
}

}  // namespace

void TSkinCheckMark::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    dataState_ = 0;
    classMode_ = Strip() ? 1 : 0;
    parentImage_ = ShowsParentPicture(control.Tag(), data);
}

void TSkinCheckMark::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    dataState_ = 0;
    classMode_ = 0;  // a bare window paints itself; the box goes over it
    parentImage_ = false;
}

const TBitmap* TSkinCheckMark::Strip() const {
    if (!skinData_ || !skinData_->Buttons) return nullptr;
    const TBitmap& strip = radio_ ? skinData_->Buttons->RadioImage : skinData_->Buttons->CheckImage;
    return strip.Empty() ? nullptr : &strip;
}

int TSkinCheckMark::FrameCount() const {
    const int count = radio_ ? skinData_->Buttons->RadioButtonFrame : skinData_->Buttons->CheckButtonFrame;
    return count < 1 ? 4 : count;
}

TCheckLook TSkinCheckMark::LookNow() const {
    HWND h = Handle();
    TCheckLook look;
    look.Enabled = WindowEnabled();
    const LRESULT state = SendMessageW(h, BM_GETSTATE, 0, 0);
    look.State = (state & BST_CHECKED) ? TCheckState::Checked : TCheckState::Unchecked;
    std::wstring value;
    if (radio_) {
        if (control_ && ReadPropertyText(*control_, L"Checked", value))
            look.State = IsTrue(value) ? TCheckState::Checked : TCheckState::Unchecked;
        return look;
    }
    if (control_) {
        if (ReadPropertyText(*control_, L"State", value)) look.State = CheckStateFromName(Narrow(value));
        else if (ReadPropertyText(*control_, L"Checked", value))
            look.State = IsTrue(value) ? TCheckState::Checked : TCheckState::Unchecked;
        if (ReadPropertyText(*control_, L"DataField", value) && dataState_ != 0)
            look.State = dataState_ == 1 ? TCheckState::Unchecked
                                         : (dataState_ == 2 ? TCheckState::Checked : TCheckState::Grayed);
        if (ReadPropertyText(*control_, L"DataBinding", value)) look.State = TCheckState::Unchecked;
    }
    if (state & BST_INDETERMINATE) look.State = TCheckState::Grayed;
    return look;
}

bool TSkinCheckMark::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            if (classMode_ != 1 || !Strip()) break;
            PaintMessage(message);
            return false;
        case WM_ERASEBKGND:
            if (classMode_ != 1 || !parentImage_ || !control_) break;
            if (!PaintControlTo(*control_, reinterpret_cast<HDC>(message.WParam))) break;
            message.Result = 1;
            return false;
        default:
            break;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TSkinCheckMark::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case BM_SETCHECK:
            if (!radio_) dataState_ = static_cast<int>(message.WParam) + 1;
            Repaint();
            break;
        case WM_PRINTCLIENT:
            // The control drew itself into the DC given: the box goes over it.
            PaintFrame(reinterpret_cast<HDC>(message.WParam));
            break;
        // The system's button redraws its box at once on these, outside WM_PAINT: draw over it.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_UPDATEUISTATE:
        case kExitNotification:
        case kStateNotification:
            Repaint();
            break;
        default:
            TControlSkinner::AfterMessage(message);
            break;
    }
}

void TSkinCheckMark::DrawSkin(HDC dc, const RECT& rect) {
    const TBitmap* strip = Strip();
    if (!strip) {
        classMode_ = 0;  // for the rest of the skinner's life
        return;
    }
    const int count = FrameCount();
    const int cellWidth = strip->Width() / count, cellHeight = strip->Height();
    if (cellWidth <= 0 || cellHeight <= 0) return;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const TCheckLook look = LookNow();
    const int frame = radio_ ? RadioButtonFrame(look, count) : CheckBoxFrame(look, count);
    lastFrame_ = frame;

    RECT box{rect.left, rect.top + (rect.bottom - rect.top - cellHeight) / 2, 0, 0};
    RECT text = rect;
    UINT format = 0;
    if (style & BS_LEFTTEXT) {
        const int right = radio_ ? rect.right - 1 : rect.right;
        box.left = right - cellWidth;
        text.right = box.left - 2;
        if (TextFormat(0) & DT_RTLREADING) format = DT_RIGHT | DT_RTLREADING;
    } else {
        text.left = box.left + cellWidth + 2;
    }
    box.right = box.left + cellWidth;
    box.bottom = box.top + cellHeight;

    if (classMode_ == 1 && !parentImage_) FillFace(dc, rect);
    TSliceOptions options;
    options.FrameCount = count;
    options.FrameIndex = frame;
    DrawStripFrame(dc, box, *strip, options, true);
    if (classMode_ != 0) DrawCaption(dc, text, format);
}

void TSkinCheckMark::DrawCaption(HDC dc, const RECT& textRect, UINT format) {
    std::wstring caption = CaptionText();
    HFONT font = control_ ? control_->Font().Handle()
                          : reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const TColor colour = control_ ? control_->Font().Color() : skinData_->Colours.ButtonText;
    const int savedDC = SaveDC(dc);
    if (font) SelectObject(dc, font);
    SetTextColor(dc, ColorToRGB(ResolveColor(WindowEnabled() ? colour : skinData_->Colours.ButtonShadow)));
    SetBkColor(dc, FaceColour());
    SetBkMode(dc, TRANSPARENT);
    const UINT drawFormat = format | DT_WORDBREAK | DT_EXPANDTABS;
    RECT measured = textRect;
    DrawFitText(dc, caption, measured, drawFormat | DT_CALCRECT | DT_NOCLIP);
    RECT at = textRect;
    OffsetRect(&at, 0, ((textRect.bottom - textRect.top) - (measured.bottom - measured.top)) / 2);
    if (Focused() && !caption.empty() && !InSet(skinData_->Options, xoNoFocusRect)) {
        RECT focus{at.left, at.top, at.left + (measured.right - measured.left),
                   at.top + (measured.bottom - measured.top)};
        if (format & DT_RIGHT) OffsetRect(&focus, (at.right - at.left) - (focus.right - focus.left), 0);
        InflateRect(&focus, 1, 1);
        DrawFocusRect(dc, &focus);
    }
    DrawFitText(dc, caption, at, drawFormat);
    RestoreDC(dc, savedDC);
}

}  // namespace tw
