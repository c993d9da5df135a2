// TMediaPlayer: a media player's button bar (play, pause, stop, next, previous, step, back,
// record, eject) that tells which button was clicked; which buttons are shown, enabled and
// coloured is set per button. It plays nothing itself: the program has no media to play.
#pragma once

#include <functional>

#include "framework/core/PlayerButtons.h"
#include "framework/win/StdCtrls.h"

namespace tw {

class TMediaPlayer : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TMediaPlayer(TComponent* owner);

    TMPButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TMPButtonSet set);
    TMPButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TMPButtonSet set);
    TMPButtonSet ColoredButtons() const { return colored_; }
    void SetColoredButtons(TMPButtonSet set);
    // The button a press went down on and is still held, or kNoPlayerButton.
    int DownButton() const { return down_; }

    // A click always names its button, so it stands in for the control's plain click.
    std::function<void(TObject* sender, TMPBtnType button)> OnClick;

protected:
    void WndProc(TMessage& message) override;
    void Paint(HDC dc) override;

private:
    int ButtonAt(LPARAM point) const;
    TMPButtonSet visible_ = kAllPlayerButtons;
    TMPButtonSet enabled_ = kAllPlayerButtons;
    TMPButtonSet colored_ = kAllPlayerButtons;
    int down_ = kNoPlayerButton;
};

}  // namespace tw
