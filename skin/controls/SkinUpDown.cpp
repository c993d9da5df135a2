#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win/Control.h"

#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

enum TArrowKind { akUp, akDown, akLeft, akRight };

// A small filled triangle pointing the arrow's way, centred in half.
void DrawPlainArrow(HDC dc, const RECT& half, TArrowKind kind, COLORREF colour) {
    const int cx = (half.left + half.right) / 2, cy = (half.top + half.bottom) / 2;
    POINT p[3];
    switch (kind) {
        case akUp:
            p[0] = {cx - 3, cy + 1};
            p[1] = {cx + 3, cy + 1};
            p[2] = {cx, cy - 2};
            break;
        case akDown:
            p[0] = {cx - 3, cy - 1};
            p[1] = {cx + 3, cy - 1};
            p[2] = {cx, cy + 2};
            break;
        case akLeft:
            p[0] = {cx + 1, cy - 3};
            p[1] = {cx + 1, cy + 3};
            p[2] = {cx - 2, cy};
            break;
        case akRight:
            p[0] = {cx - 1, cy - 3};
            p[1] = {cx - 1, cy + 3};
            p[2] = {cx + 2, cy};
            break;
    }
    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const TBrushHandle brush(CreateSolidBrush(colour));
    const TSelection selectPen = Select(dc, pen.Get());
    const TSelection selectBrush = Select(dc, brush.Get());
    Polygon(dc, p, 3);
}

// The arrows' rectangle kept at least kEditInset pixels inside the parent edit's edges.
constexpr int kEditInset = 3;

RECT EmbeddedArrowRect(HWND arrows, const RECT& rect) {
    RECT mine{}, edit{};
    GetWindowRect(arrows, &mine);
    GetWindowRect(GetParent(arrows), &edit);
    RECT r = rect;
    r.top += std::max(0, kEditInset - static_cast<int>(mine.top - edit.top));
    r.bottom -= std::max(0, kEditInset - static_cast<int>(edit.bottom - mine.bottom));
    r.right -= std::max(0, kEditInset - static_cast<int>(edit.right - mine.right));
    return r;
}

}  // namespace

bool TSkinUpDown::InsideEdit() const {
    HWND parent = GetParent(Handle());
    if (!parent) return false;
    if (TWinControl* owner = FindControlOfWindow(parent)) return owner->InheritsFrom("TCustomEdit");
    wchar_t name[16] = {};
    GetClassNameW(parent, name, 16);
    return lstrcmpiW(name, L"Edit") == 0;
}

bool TSkinUpDown::BeforeMessage(TMessage& message) {
    if (PaintWholeWindow(message)) return false;
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The control starts its own repeat first; the pressed half is drawn after.
            CallPrevious(message);
            mouseState_ |= msPressed;
            PaintFrame(nullptr);
            return false;
        case WM_LBUTTONUP:
            mouseState_ &= ~msPressed;
            CallPrevious(message);
            PaintFrame(nullptr);
            return false;
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

void TSkinUpDown::AfterMessage(TMessage& message) {
    TControlSkinner::AfterMessage(message);
    // The half under the pointer lights: each move may cross from one half to the other.
    if (message.Msg == WM_MOUSEMOVE && Attached()) PaintFrame(nullptr);
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& given) {
    RECT rect = given;
    if (InsideEdit()) {
        // Arrows inside an edit stay clear of the edit's skinned frame: white where they give way.
        FillColour(dc, given, RGB(255, 255, 255));
        rect = EmbeddedArrowRect(Handle(), given);
    }
    if (!skinData_) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        FillFace(b, RECT{0, 0, width, height});

        const bool enabled = WindowEnabled();
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(Handle(), &cursor);
        cursor.x -= rect.left;
        cursor.y -= rect.top;
        const bool horizontal = (GetWindowLongPtrW(Handle(), GWL_STYLE) & UDS_HORZ) != 0;
        RECT halves[2];
        TArrowKind kinds[2];
        if (horizontal) {
            halves[0] = {0, 0, width / 2, height};
            halves[1] = {width / 2, 0, width, height};
            kinds[0] = akLeft;
            kinds[1] = akRight;
        } else {
            halves[0] = {0, 0, width, height / 2};
            halves[1] = {0, height / 2, width, height};
            kinds[0] = akUp;
            kinds[1] = akDown;
        }
        const TDataSkinBorder* object = horizontal ? skinData_->UpDownHorz.get() : skinData_->UpDownVert.get();
        const bool hasObject = object && !object->Image.Empty();
        for (int i = 0; i < 2; ++i) {
            int state = 1;
            if (PtInRect(&halves[i], cursor)) {
                if (mouseState_ & msPressed) state = 2;
                else if (mouseState_ & msHot)
                    state = 4;
            }
            if (!enabled) state = 3;
            if (hasObject) {
                const int frame = state + 4 * (kinds[i] % 2);
                DrawSkinObject(b, halves[i], 8, frame, *object);
                if (!object->SecondImage.Empty()) {
                    TSliceOptions glyph;
                    glyph.FrameCount = 8;
                    glyph.FrameIndex = frame;
                    DrawStripCentered(b, halves[i], object->SecondImage, glyph, true);
                }
            } else {
                const COLORREF dark = ColorToRGB(ResolveColor(skinData_->Colours.ButtonDkShadow));
                const TPenHandle pen(CreatePen(PS_SOLID, 1, dark));
                const TBrushHandle brush(CreateSolidBrush(ColorToRGB(ResolveColor(
                    state == 2 || state == 4 ? skinData_->Colours.ButtonShadow : skinData_->Colours.ButtonFace))));
                {
                    const TSelection selectPen = Select(b, pen.Get());
                    const TSelection selectBrush = Select(b, brush.Get());
                    Rectangle(b, halves[i].left, halves[i].top, halves[i].right, halves[i].bottom);
                }
                DrawPlainArrow(b, halves[i], kinds[i], dark);
            }
        }
    });
}

}  // namespace tw
