#include "skin/controls/MediaPlayerPanel.h"

#include <utility>

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/TransparentCopy.h"

namespace tw {

namespace {}  // namespace

TWMediaPlayer::TWMediaPlayer(TWinControl& player, TSkinData& data)
    : TCoveringPanel(L"TarnwickPlayerPanel", player.Handle()), player_(player), data_(data) {
    if (!Handle()) return;
    const TWindowDC screen = ClientDC(nullptr);
    for (int look = 0; look < kPlayerGlyphLooks; ++look)
        for (int button = 0; button < kPlayerButtonCount; ++button)
            glyphs_[look][button] = MakePlayerGlyph(screen.Get(), button, static_cast<TPlayerGlyphLook>(look));
}

void TWMediaPlayer::Place() {
    if (!Handle() || !IsWindow(target_)) return;
    RECT bounds{};
    GetWindowRect(target_, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(target_), reinterpret_cast<POINT*>(&bounds), 2);
    Cover(bounds, (GetWindowLongPtrW(target_, GWL_STYLE) & WS_VISIBLE) != 0);
}

TMPButtonSet TWMediaPlayer::Set(const char* property) const {
    return ButtonSetFromText(Utf8FromWide(GetWideTextProp(&player_, property)));
}

TPlayerLayout TWMediaPlayer::Layout() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return LayPlayerButtons(Set("VisibleButtons"), client.right);
}

void TWMediaPlayer::Draw(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
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
    SetCapture(Handle());  // the release comes here even off the panel
    // The control sees the press where it was, and decides whether a button goes down.
    SendMessageW(target_, msg, wParam, lParam);
    Invalidate();
}

void TWMediaPlayer::Release(WPARAM wParam, LPARAM lParam) {
    const bool wasPressed = std::exchange(pressed_, false);
    // Letting the capture go tells this panel at once; the press is over by then.
    ReleaseOwnCapture();
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

LRESULT TWMediaPlayer::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(msg, wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
            Release(wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                pressed_ = false;
                Invalidate();
            }
            return 0;
        default:
            return TCoveringPanel::Message(msg, wParam, lParam);
    }
}

}  // namespace tw
