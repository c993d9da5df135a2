#include "framework/win/MediaPlayer.h"

#include <utility>

#include "framework/win/PlayerGlyphs.h"

namespace tw {

namespace {

template <TMPButtonSet (TMediaPlayer::*Get)() const, void (TMediaPlayer::*Set)(TMPButtonSet)>
TPropInfo ButtonSetProp(const char* name) {
    return StrProp<TMediaPlayer>(
        name, [](const TMediaPlayer& c) { return ButtonSetText((c.*Get)()); },
        [](TMediaPlayer& c, const std::string& v) { (c.*Set)(ButtonSetFromText(v)); });
}

}  // namespace

const TClassInfo& TMediaPlayer::StaticClassInfo() {
    static const TClassInfo info{
        "TMediaPlayer",
        &TCustomControl::StaticClassInfo(),
        {
            ButtonSetProp<&TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons>("VisibleButtons"),
            ButtonSetProp<&TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons>("EnabledButtons"),
            ButtonSetProp<&TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons>("ColoredButtons"),
        }};
    return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {}

void TMediaPlayer::SetVisibleButtons(TMPButtonSet set) {
    visible_ = set & kAllPlayerButtons;
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TMPButtonSet set) {
    enabled_ = set & kAllPlayerButtons;
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TMPButtonSet set) {
    colored_ = set & kAllPlayerButtons;
    Invalidate();
}

int TMediaPlayer::ButtonAt(LPARAM point) const {
    return PlayerButtonAt(LayPlayerButtons(visible_, width_), static_cast<short>(LOWORD(point)));
}

void TMediaPlayer::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND:
            message.Result = 1;  // the paint covers the whole control
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // Only an enabled button of an enabled player goes down.
            const int hit = ButtonAt(message.LParam);
            down_ = EffectivelyEnabled() && InButtonSet(enabled_, hit) ? hit : kNoPlayerButton;
            Invalidate();
            break;
        }
        case WM_LBUTTONUP: {
            const int down = std::exchange(down_, kNoPlayerButton);
            Invalidate();
            // A release over the button that went down is its click.
            if (down != kNoPlayerButton && ButtonAt(message.LParam) == down && OnClick)
                OnClick(this, static_cast<TMPBtnType>(down));
            break;
        }
        case WM_CANCELMODE:
            down_ = kNoPlayerButton;
            Invalidate();
            break;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

void TMediaPlayer::Paint(HDC dc) {
    const RECT all{0, 0, width_, height_};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const TPlayerLayout layout = LayPlayerButtons(visible_, width_);
    const int glyphTop = (height_ - kPlayerGlyphHeight) / 2;
    for (const TPlayerButtonSpan& span : layout.Spans) {
        RECT face{span.Left, 0, span.Left + layout.ButtonWidth, height_};
        const bool down = span.Button == down_;
        DrawEdge(dc, &face, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        TPlayerGlyphLook look = glEnabled;
        if (!InButtonSet(enabled_, span.Button) || !EffectivelyEnabled()) look = glDisabled;
        else if (InButtonSet(colored_, span.Button))
            look = glColoured;
        const int shift = down ? 1 : 0;
        DrawPlayerGlyph(dc, span.Left + (layout.ButtonWidth - kPlayerGlyphWidth) / 2 + shift, glyphTop + shift,
                        span.Button, look);
    }
}

}  // namespace tw
