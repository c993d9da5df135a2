#include "skin/controls/MediaPlayerPanel.h"

#include <utility>

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/controls/PanelWindowClass.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/TransparentCopy.h"

namespace tw {

namespace {

const wchar_t kPanelClass[] = L"TarnwickPlayerPanel";

void RegisterPanelClass() {
    static const bool registered = RegisterPanelWindowClass(kPanelClass);
    (void)registered;
}

}  // namespace

TWMediaPlayer::TWMediaPlayer(TWinControl& player, TSkinData& data)
    : player_(player), target_(player.Handle()), data_(data) {
    RegisterPanelClass();
    HWND parent = GetParent(target_);
    if (!parent) return;
    window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, kPanelClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWMediaPlayer::Procedure));
    const TWindowDC screen = ClientDC(nullptr);
    for (int look = 0; look < kPlayerGlyphLooks; ++look)
        for (int button = 0; button < kPlayerButtonCount; ++button)
            glyphs_[look][button] = MakePlayerGlyph(screen.Get(), button, static_cast<TPlayerGlyphLook>(look));
}

TWMediaPlayer::~TWMediaPlayer() {
    if (window_ && IsWindow(window_.Get())) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
    else
        (void)window_.Release();
}

void TWMediaPlayer::Place() {
    if (!window_ || !IsWindow(target_)) return;
    RECT bounds{};
    GetWindowRect(target_, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(target_), reinterpret_cast<POINT*>(&bounds), 2);
    const bool visible = (GetWindowLongPtrW(target_, GWL_STYLE) & WS_VISIBLE) != 0;
    const HWND above = GetWindow(target_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (above == window_.Get()) flags |= SWP_NOZORDER;
    SetWindowPos(window_.Get(), above ? above : HWND_TOP, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, flags);
    Invalidate();
}

void TWMediaPlayer::Invalidate() const {
    if (window_) InvalidateRect(window_.Get(), nullptr, FALSE);
}

TMPButtonSet TWMediaPlayer::Set(const char* property) const {
    return ButtonSetFromText(Utf8FromWide(GetWideTextProp(&player_, property)));
}

TPlayerLayout TWMediaPlayer::Layout() const {
    RECT client{};
    GetClientRect(window_.Get(), &client);
    return LayPlayerButtons(Set("VisibleButtons"), client.right);
}

void TWMediaPlayer::Draw(HDC dc) {
    RECT client{};
    GetClientRect(window_.Get(), &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    const COLORREF face = ColorToRGB(ResolveColor(data_.Colours.ButtonFace));
    const HBITMAP bitmap = buffer_.For(dc, width, height);
    if (!bitmap) return;
    TBitmapDC buffer(dc, bitmap);
    if (!buffer) return;
    HDC b = buffer.Get();
    {
        const TBrushHandle brush(CreateSolidBrush(face));
        FillRect(b, &client, brush.Get());
    }
    const TPlayerLayout layout = LayPlayerButtons(Set("VisibleButtons"), width);
    const TMPButtonSet enabled = Set("EnabledButtons"), coloured = Set("ColoredButtons");
    const bool playerEnabled = IsWindowEnabled(target_) != FALSE;
    const TDataSkinButton* strip = data_.Buttons.get();
    const COLORREF shadow = ColorToRGB(ResolveColor(data_.Colours.ButtonShadow));
    for (const TPlayerButtonSpan& span : layout.Spans) {
        const RECT cell{span.Left, 0, span.Left + layout.ButtonWidth, height};
        const bool isEnabled = playerEnabled && InButtonSet(enabled, span.Button);
        const bool down = pressed_ && span.Button == downButton_;
        const int frame = !isEnabled ? bfDisabled : down ? bfPressed : bfNormal;
        if (strip && !strip->Image.Empty()) {
            TSliceOptions options;
            options.FrameCount = kButtonFrameCount;
            options.FrameIndex = frame;
            options.Tile = strip->Tile == 1;
            options.LeftWidth = strip->LeftWidth;
            options.TopHeight = strip->TopHeight;
            options.RightWidth = strip->RightWidth;
            options.BottomHeight = strip->BottomHeight;
            DrawNineSlice(b, cell, strip->Image, options, strip->Trans == 1);
        } else {
            // A skin without buttons: a plain frame in its own shadow colour.
            const TBrushHandle edge(CreateSolidBrush(shadow));
            FrameRect(b, &cell, edge.Get());
        }
        const TPlayerGlyphLook look = !isEnabled                           ? glDisabled
                                      : InButtonSet(coloured, span.Button) ? glColoured
                                                                           : glEnabled;
        const TBitmapHandle& glyph = glyphs_[look][span.Button];
        if (!glyph) continue;
        TBitmapDC source(dc, glyph.Get());
        if (!source) continue;
        const int shift = frame == bfPressed ? 1 : 0;
        KeyedCopy(b, cell.left + (layout.ButtonWidth - kPlayerGlyphWidth) / 2 + shift,
                  (height - kPlayerGlyphHeight) / 2 + shift, kPlayerGlyphWidth, kPlayerGlyphHeight, source.Get(), 0, 0,
                  kPlayerGlyphKey);
    }
    BitBlt(dc, 0, 0, width, height, b, 0, 0, SRCCOPY);
}

void TWMediaPlayer::Press(UINT msg, WPARAM wParam, LPARAM lParam) {
    pressed_ = true;
    downButton_ = PlayerButtonAt(Layout(), static_cast<short>(LOWORD(lParam)));
    SetCapture(window_.Get());  // the release comes here even off the panel
    // The control sees the press where it was, and decides whether a button goes down.
    SendMessageW(target_, msg, wParam, lParam);
    Invalidate();
}

void TWMediaPlayer::Release(WPARAM wParam, LPARAM lParam) {
    const bool wasPressed = std::exchange(pressed_, false);
    // Letting the capture go tells this panel at once; the press is over by then.
    if (GetCapture() == window_.Get()) ReleaseCapture();
    if (!wasPressed) return;
    const int hit = PlayerButtonAt(Layout(), static_cast<short>(LOWORD(lParam)));
    const int down = downButton_;
    downButton_ = hit;
    Invalidate();
    // Only a release over the button that went down reaches the control (its click comes last:
    // it may end the skin and this panel with it).
    if (hit == down) SendMessageW(target_, WM_LBUTTONUP, wParam, lParam);
    else
        SendMessageW(target_, WM_CANCELMODE, 0, 0);  // the control's press ends without a click
}

LRESULT CALLBACK TWMediaPlayer::Procedure(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWMediaPlayer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
    try {
        return self->Message(msg, wParam, lParam);
    } catch (...) {
        return 0;  // nothing crosses the window procedure
    }
}

LRESULT TWMediaPlayer::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND wnd = window_.Get();
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_NCDESTROY:
            // Gone with its parent: the handle is no longer this panel's to destroy.
            SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
            (void)window_.Release();
            return DefWindowProcW(wnd, msg, wParam, lParam);
        case WM_PAINT: {
            TPaintDC paint(wnd);
            if (paint.Get()) Draw(paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Draw(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(msg, wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
            Release(wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_ && reinterpret_cast<HWND>(lParam) != wnd) {
                pressed_ = false;
                Invalidate();
            }
            return 0;
        default:
            return DefWindowProcW(wnd, msg, wParam, lParam);
    }
}

}  // namespace tw
