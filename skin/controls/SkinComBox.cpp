#include "skin/controls/SkinComBox.h"

#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "skin/controls/ComboLayout.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

// Not every system has it: looked up once, and a combo does without when it is missing.
GetComboBoxInfoFn ComboInfoFunction() {
    static const GetComboBoxInfoFn fn = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetComboBoxInfoFn>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetComboBoxInfo")))
                      : nullptr;
    }();
    return fn;
}

TRect ToTRect(const RECT& r) { return TRect(r.left, r.top, r.right, r.bottom); }
RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

TSliceOptions Frame(int frameCount, int frameIndex) {
    TSliceOptions o;
    o.FrameCount = frameCount < 1 ? 1 : frameCount;
    o.FrameIndex = ClampFrame(frameIndex, o.FrameCount);
    return o;
}

TSliceOptions Slices(const TDataSkinObject& object, int frameIndex) {
    const TSliceOptions frame = Frame(object.FrameCount, frameIndex);
    return SliceOptionsOf(object, frame.FrameCount, frame.FrameIndex);
}

constexpr DWORD kComboTypeMask = 0x0003;

}  // namespace

TSkinComBox::~TSkinComBox() {
    *alive_ = false;
    editHook_.Remove();
}

void TSkinComBox::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    if (Attached()) return;
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (Attached()) AttachParts();
}

void TSkinComBox::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    if (Attached()) return;
    TControlSkinner::AttachWindow(window, data, form);
    if (Attached()) AttachParts();
}

bool TSkinComBox::ReadComboInfo(COMBOBOXINFO& info) const {
    const GetComboBoxInfoFn fn = ComboInfoFunction();
    if (!fn) return false;
    info = COMBOBOXINFO{};
    // The record's own size: it holds three window handles, so it is larger on 64-bit systems.
    info.cbSize = sizeof(COMBOBOXINFO);
    return fn(Handle(), &info) != FALSE;
}

void TSkinComBox::AttachParts() {
    list_ = nullptr;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    COMBOBOXINFO info{};
    const bool haveInfo = ReadComboInfo(info);
    HWND edit = haveInfo ? info.hwndItem : nullptr;
    if (!edit && (style & kComboTypeMask) != CBS_DROPDOWNLIST) edit = GetWindow(Handle(), GW_CHILD);
    if (edit && edit != Handle()) editHook_.Install(edit, TWndMethod::Of<TSkinComBox, &TSkinComBox::EditRoute>(this));
    if ((style & kComboTypeMask) != CBS_SIMPLE || !haveInfo) return;
    list_ = info.hwndList;
    const bool childList = list_ && (GetWindowLongPtrW(list_, GWL_STYLE) & WS_CHILD) != 0 &&
                           (GetWindowLongPtrW(list_, GWL_STYLE) & WS_POPUP) == 0 &&
                           GetParent(list_) != GetDesktopWindow();
    if (childList && control_) {
        // The always-visible list's scroll bars take the list scroll-bar skinner here, owned by
        // this combo, once that family is built; the list keeps the system's bars meanwhile.
        TControlSkinner* listScroller = nullptr;
        (void)listScroller;
    }
}

void TSkinComBox::Detach() {
    editHook_.Remove();
    TControlSkinner::Detach();
}

void TSkinComBox::EditRoute(TMessage& message) {
    const std::shared_ptr<bool> alive = alive_;
    editHook_.CallPrevious(message);
    if (!*alive || !Active() || !Attached()) return;
    switch (message.Msg) {
        case WM_PAINT:
            PaintFrame(nullptr);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            mouseState_ |= msPressed;
            Repaint();
            break;
        case WM_LBUTTONUP:
            mouseState_ &= ~msPressed;
            Repaint();
            break;
        default:
            break;
    }
}

void TSkinComBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            break;  // the combo paints its focus itself; a repaint here would flicker
        case WM_MOUSEMOVE: {
            if (!WindowEnabled()) break;
            const int x = static_cast<short>(LOWORD(message.LParam)), y = static_cast<short>(HIWORD(message.LParam));
            const bool over = Contains(ToTRect(buttonRect_), x, y);
            if (over && !(mouseState_ & msHot)) {
                mouseState_ |= msHot;
                Repaint();
            } else if (!over && (mouseState_ & msHot)) {
                mouseState_ &= ~msHot;
                Repaint();
            }
            TrackLeave();
            break;
        }
        case WM_DRAWITEM:
        case WM_NCPAINT:
            Repaint();
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            mouseState_ |= msPressed;
            Repaint();
            break;
        case WM_LBUTTONUP:
            mouseState_ &= ~msPressed;
            Repaint();
            break;
        case WM_MOUSELEAVE:
        case CM_MOUSELEAVE:
            if (mouseState_ & msHot) {
                mouseState_ &= ~msHot;
                Repaint();
            }
            break;
        case CN_COMMAND:
            if (HIWORD(message.WParam) == CBN_DROPDOWN) {
                droppedDown_ = true;
            } else if (HIWORD(message.WParam) == CBN_CLOSEUP) {
                // The release may have gone to the list: the press ends with the list.
                droppedDown_ = false;
                mouseState_ &= ~msPressed;
                Repaint();
            }
            break;
        default:
            TControlSkinner::AfterMessage(message);
            break;
    }
}

void TSkinComBox::SetButtonFromWindow(const RECT& windowRect) {
    // Drawn in window coordinates; the mouse comes in client coordinates.
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    RECT window{};
    GetWindowRect(Handle(), &window);
    buttonRect_ = windowRect;
    OffsetRect(&buttonRect_, window.left - origin.x, window.top - origin.y);
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* button = skinData_ ? skinData_->ComboButton.get() : nullptr;
    if (!button || button->Image.Empty() || rect.right <= rect.left || rect.bottom <= rect.top) {
        lastFrame_ = 0;  // the combo keeps its own look
        return;
    }
    COMBOBOXINFO info{};
    if (ReadComboInfo(info)) {
        buttonRect_ = info.rcButton;
        if (info.stateButton & STATE_SYSTEM_INVISIBLE) {
            lastFrame_ = 0;
            return;
        }
    }
    const bool left = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const HWND focus = GetFocus();
    TComboLook look;
    look.Pressed = (mouseState_ & msPressed) != 0;
    look.Hot = (mouseState_ & msHot) != 0;
    look.Focused = focus && (focus == Handle() || GetParent(focus) == Handle());
    look.Enabled = WindowEnabled();
    const int frame = ComboFrameFor(look);
    lastFrame_ = frame;
    // The caller's DC gets its clipping and modes back whatever the drawing changes.
    const TSavedDC saved = SaveState(dc);
    if (button->Style == 1) {
        DrawPlain(dc, rect, frame, left);
    } else if (button->Style == 2) {
        const TDataSkinObject* sunk = skinData_->SunkEdge.get();
        const TDataSkinObject& object = left && sunk && !sunk->Image.Empty() ? *sunk : *button;
        DrawNineSlice(dc, rect, object.Image, Slices(object, frame), true);
    } else {
        DrawEdged(dc, rect, frame, left);
    }
}

void TSkinComBox::DrawEdged(HDC dc, const RECT& rect, int frame, bool left) {
    const TDataSkinBorder& button = *skinData_->ComboButton;
    const TComboParts parts = ComboParts(ToTRect(rect), GetSystemMetrics(SM_CXHSCROLL), left);
    const RECT text = ToRECT(parts.Text);
    ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
    // An optional part the skin does not have is left out; the rest still draws.
    if (const TDataSkinObject* sunk = skinData_->SunkEdge.get())
        DrawSkinObject(dc, rect, sunk->FrameCount, ClampFrame(frame, sunk->FrameCount), *sunk);
    const RECT buttonRect = ToRECT(parts.Button);
    const TBitmap& image = left && !button.SecondImage.Empty() ? button.SecondImage : button.Image;
    DrawStripFrame(dc, buttonRect, image, Frame(button.FrameCount, frame), true);
    SetButtonFromWindow(buttonRect);
    const TDataSkinObject* extra = skinData_->ExtraImages.get();
    if (extra && !extra->Image.Empty()) {
        const int count = extra->FrameCount < 1 ? 1 : extra->FrameCount;
        const TRect cell = CentredCell(parts.Arrow, extra->Image.Width() / count, extra->Image.Height());
        DrawStripFrame(dc, ToRECT(cell), extra->Image, Frame(count, frame), true);
    }
}

void TSkinComBox::DrawPlain(HDC dc, const RECT& rect, int frame, bool left) {
    const TDataSkinBorder& button = *skinData_->ComboButton;
    const int count = button.FrameCount < 1 ? 1 : button.FrameCount;
    const TPlainComboParts parts = PlainComboParts(ToTRect(rect), GetSystemMetrics(SM_CYVTHUMB),
                                                   button.Image.Width() / count, button.Image.Height(), left);
    const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
    RECT ring = rect;
    InflateRect(&ring, -1, -1);
    if (brush) FrameRect(dc, &ring, brush);
    const RECT strip = ToRECT(parts.Strip);
    if (brush) FillRect(dc, &strip, brush);
    const TBrushHandle shadow(CreateSolidBrush(ColorToRGB(ResolveColor(skinData_->Colours.ButtonShadow))));
    if (shadow) FrameRect(dc, &rect, shadow.Get());
    const RECT cell = ToRECT(parts.Cell);
    SetButtonFromWindow(cell);
    DrawStripFrame(dc, cell, button.Image, Frame(count, frame), true);
}

}  // namespace tw
