#include "skin/controls/ScrollPanel.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "framework/win/Graphics.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);

// Looked up by name once: a system without it leaves the bars unskinned.
GetScrollBarInfoFn ScrollBarInfoFunction() {
    static const GetScrollBarInfoFn fn = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetScrollBarInfoFn>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetScrollBarInfo")))
                      : nullptr;
    }();
    return fn;
}

bool HasImage(const TDataSkinObject* object) { return object && !object->Image.Empty(); }

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

// A part of the bar drawn along its axis from `from` to `to`, `across` thick.
RECT AlongAxis(bool vertical, int from, int to, int across) {
    return vertical ? RECT{0, from, across, to} : RECT{from, 0, to, across};
}

void DrawObject(HDC dc, const RECT& rect, const TDataSkinObject& object, int frame, bool tile) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TSliceOptions options;
    options.FrameCount = object.FrameCount;
    options.FrameIndex = ClampFrame(frame, object.FrameCount);
    options.Tile = tile && object.Tile == 1;
    options.LeftWidth = object.LeftWidth;
    options.TopHeight = object.TopHeight;
    options.RightWidth = object.RightWidth;
    options.BottomHeight = object.BottomHeight;
    DrawNineSlice(dc, rect, object.Image, options, object.Trans != 0);
}

void DrawCell(HDC dc, const RECT& rect, const TDataSkinObject& strip, int frame) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TSliceOptions options;
    options.FrameCount = strip.FrameCount;
    options.FrameIndex = ClampFrame(frame, strip.FrameCount);
    DrawStripFrame(dc, rect, strip.Image, options, true);
}

}  // namespace

TWScrollbar::TWScrollbar(TScrollPanelHost& host, HWND target, bool vertical, bool barControl)
    : TCoveringPanel(L"TarnwickScrollPanel", target),
      host_(host),
      vertical_(vertical),
      barControl_(barControl),
      arrowSize_(GetSystemMetrics(SM_CXHSCROLL)) {}

TWScrollbar::~TWScrollbar() { *alive_ = false; }

// ---------------------------------------------------------------- placing

bool TWScrollbar::ControlBarInfo(SCROLLBARINFO& info) const {
    if (!IsWindow(target_)) return false;
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    if (!GetWindowRect(target_, &info.rcScrollBar)) return false;
    SCROLLINFO scroll{sizeof(scroll), SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(target_, SB_CTL, &scroll)) return false;
    const RECT& r = info.rcScrollBar;
    const int length = vertical_ ? r.bottom - r.top : r.right - r.left;
    const TThumbSpan thumb = ControlThumb(
        length, arrowSize_, TScrollState{scroll.nMin, scroll.nMax, static_cast<int>(scroll.nPage), scroll.nPos}, true);
    info.xyThumbTop = thumb.Start;
    info.xyThumbBottom = thumb.End;
    if (!IsWindowEnabled(target_)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    return true;
}

bool TWScrollbar::BarInfo(SCROLLBARINFO& info) const {
    if (barControl_) return ControlBarInfo(info);
    const GetScrollBarInfoFn get = ScrollBarInfoFunction();
    if (!get || !IsWindow(target_)) return false;
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    return get(target_, vertical_ ? OBJID_VSCROLL : OBJID_HSCROLL, &info) != FALSE;
}

bool TWScrollbar::BarScreenRect(RECT& rect) const {
    SCROLLBARINFO info;
    if (!BarInfo(info)) return false;
    rect = info.rcScrollBar;
    return true;
}

void TWScrollbar::Place() {
    if (!Handle()) return;
    SCROLLBARINFO info;
    if (!BarInfo(info)) {
        // The target is gone: nothing is left to cover.
        if (!IsWindow(target_)) HideBar();
        return;
    }
    const TSkinData* data = host_.PanelSkin();
    const RECT& bar = info.rcScrollBar;
    if (!(GetWindowLongPtrW(target_, GWL_STYLE) & WS_VISIBLE) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) ||
        bar.right <= bar.left || bar.bottom <= bar.top || !data || !HasImage(data->Scrollbar.get())) {
        HideBar();
        return;
    }
    POINT topLeft{bar.left, bar.top};
    ScreenToClient(GetParent(Handle()), &topLeft);
    Cover(RECT{topLeft.x, topLeft.y, topLeft.x + (bar.right - bar.left), topLeft.y + (bar.bottom - bar.top)}, true);
}

void TWScrollbar::HideBar() { Hide(); }

void TWScrollbar::SetHotPart(int part) {
    hotPart_ = part == spEndScroll ? spNone : part;
    if (part == spEndScroll) tracking_ = false;
    Invalidate();
    if (Shown()) UpdateWindow(Handle());
}

TScrollPart TWScrollbar::HitTest(POINT point) const {
    SCROLLBARINFO info;
    if (!BarInfo(info)) return spNone;
    const RECT& bar = info.rcScrollBar;
    const int length = vertical_ ? bar.bottom - bar.top : bar.right - bar.left;
    return ScrollHitTest(vertical_ ? point.y : point.x, arrowSize_, length,
                         TThumbSpan{info.xyThumbTop, info.xyThumbBottom});
}

// ---------------------------------------------------------------- painting

bool TWScrollbar::TShown::operator==(const TShown& o) const {
    return Skin == o.Skin && EqualRect(&Bar, &o.Bar) && ThumbTop == o.ThumbTop && ThumbBottom == o.ThumbBottom &&
           std::equal(std::begin(States), std::end(States), std::begin(o.States)) && HotPart == o.HotPart &&
           Tracking == o.Tracking;
}

bool TWScrollbar::Shows(TShown& shown) const {
    SCROLLBARINFO info;
    if (!BarInfo(info)) return false;
    shown.Skin = host_.PanelSkin();
    shown.Bar = info.rcScrollBar;
    shown.ThumbTop = info.xyThumbTop;
    shown.ThumbBottom = info.xyThumbBottom;
    std::copy(std::begin(info.rgstate), std::end(info.rgstate), std::begin(shown.States));
    shown.HotPart = hotPart_;
    shown.Tracking = tracking_;
    return true;
}

void TWScrollbar::Refresh() {
    TShown now;
    // A dragged thumb follows the mouse, not the bar.
    if (drawn_ && !tracking_ && Shows(now) && now == lastDrawn_) return;
    Invalidate();
}

void TWScrollbar::Draw(HDC dc) {
    drawn_ = false;
    TShown shown;
    const bool known = Shows(shown);
    const TSkinData* data = host_.PanelSkin();
    if (!dc || !data || !HasImage(data->Scrollbar.get())) return;
    SCROLLBARINFO info;
    if (!BarInfo(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
    const bool enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int width = info.rcScrollBar.right - info.rcScrollBar.left;
    const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    if (width <= 0 || height <= 0 || width > client.right || height > client.bottom) return;
    const int length = vertical_ ? height : width;
    const int panelAcross = vertical_ ? width : height;
    const TDataSkinObject& strip = *data->Scrollbar;
    const int cell = strip.Image.Height();
    const int thickness = std::abs(cell - arrowSize_) > 2 ? arrowSize_ : cell;
    const int across = std::min(thickness, panelAcross);

    const HBITMAP bitmap = buffer_.For(dc, width, height);
    if (!bitmap) return;
    TBitmapDC buffer(dc, bitmap);
    if (!buffer) return;
    HDC b = buffer.Get();
    SetStretchBltMode(b, COLORONCOLOR);
    {
        const TBrushHandle face(CreateSolidBrush(ColorToRGB(ResolveColor(data->Colours.ButtonFace))));
        const RECT whole{0, 0, width, height};
        if (face) FillRect(b, &whole, face.Get());
    }

    const int a = ArrowLength(length, arrowSize_);
    // The track between the arrows, from the skin's own object when it has one.
    const TDataSkinObject* track = vertical_ ? data->VertScroll.get() : data->HorzScroll.get();
    if (HasImage(track) && length > 2 * a)
        DrawObject(b, AlongAxis(vertical_, a, length - a, across), *track, TrackFrame(enabled, track->FrameCount),
                   true);

    const TScrollPart hot = static_cast<TScrollPart>(hotPart_);
    for (const TScrollPart arrow : {spFirstArrow, spSecondArrow}) {
        const int from = arrow == spFirstArrow ? 0 : length - a;
        DrawCell(b, AlongAxis(vertical_, from, from + a, across), strip,
                 enabled ? ArrowFrame(vertical_, arrow, hot, tracking_) : DisabledArrowFrame(vertical_, arrow));
    }

    TThumbSpan thumb{info.xyThumbTop, info.xyThumbBottom};
    if (tracking_ && hotPart_ == spThumb) {
        // The system moves its thumb only as the window scrolls: ours follows the mouse.
        POINT cursor{};
        GetCursorPos(&cursor);
        const int delta = vertical_ ? cursor.y - pressPoint_.y : cursor.x - pressPoint_.x;
        thumb = DraggedThumb(thumbStartAtPress_, delta, thumbLengthAtPress_, arrowSize_, length);
    }
    const TDataSkinObject* body = vertical_ ? data->VertScrollThumb.get() : data->HorzScrollThumb.get();
    if (enabled && thumb.Start >= 0 && thumb.End <= length && thumb.End > thumb.Start) {
        if (HasImage(body))
            DrawObject(b, AlongAxis(vertical_, thumb.Start, thumb.End, across), *body,
                       ThumbFrame(hot, tracking_, body->FrameCount), false);
        const int grip = GripStart(thumb, cell, length);
        if (grip >= 0 && cell <= panelAcross)
            DrawCell(b, AlongAxis(vertical_, grip, grip + cell, cell), strip, GripFrame(vertical_, hot, tracking_));
    }
    BitBlt(dc, 0, 0, width, height, b, 0, 0, SRCCOPY);
    drawn_ = known;
    lastDrawn_ = shown;
}

// ---------------------------------------------------------------- messages

LRESULT TWScrollbar::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE:
            MouseMove(PointOf(lParam));
            return 0;
        case WM_MOUSELEAVE:
            if (!tracking_ && hotPart_ != spNone) {
                hotPart_ = spNone;
                Invalidate();
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            Release(PointOf(lParam));
            return 0;
        default:
            return TCoveringPanel::Message(msg, wParam, lParam);
    }
}

bool TWScrollbar::TakesInput() const {
    SCROLLBARINFO info;
    return IsWindowEnabled(target_) && BarInfo(info) && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

void TWScrollbar::MouseMove(POINT point) {
    // A disabled bar lights nothing.
    const int part = TakesInput() ? HitTest(point) : spNone;
    if (part != hotPart_) {
        hotPart_ = part;
        Invalidate();
    }
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&tme);
}

void TWScrollbar::Press(POINT point) {
    // The system would ignore the press of a disabled bar: it is not handed on.
    if (!TakesInput()) return;
    GetCursorPos(&pressPoint_);
    SCROLLBARINFO info;
    if (BarInfo(info)) {
        thumbStartAtPress_ = info.xyThumbTop;
        thumbLengthAtPress_ = info.xyThumbBottom - info.xyThumbTop;
    }
    hotPart_ = HitTest(point);
    POINT screen = point;
    ClientToScreen(Handle(), &screen);
    tracking_ = true;
    Invalidate();
    ReleaseOwnCapture();
    // The system's scroll loop runs inside this call until the button is released; a skin
    // switch or the window's end in that loop may free this panel.
    const std::shared_ptr<bool> alive = alive_;
    const HWND target = target_;
    if (barControl_)
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(static_cast<short>(point.x), static_cast<short>(point.y)));
    else
        SendMessageW(target, WM_NCLBUTTONDOWN, vertical_ ? HTVSCROLL : HTHSCROLL,
                     MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y)));
    if (!*alive) return;
    tracking_ = false;
    ReleaseOwnCapture();
    Invalidate();
}

void TWScrollbar::Release(POINT point) {
    tracking_ = false;
    ReleaseOwnCapture();
    if (barControl_) {
        PostMessageW(target_, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<short>(point.x), static_cast<short>(point.y)));
        Invalidate();
        return;
    }
    POINT screen = point;
    ClientToScreen(Handle(), &screen);
    PostMessageW(target_, WM_NCLBUTTONUP, vertical_ ? HTVSCROLL : HTHSCROLL,
                 MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y)));
    Invalidate();
}

}  // namespace tw
