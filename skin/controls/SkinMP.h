// TSkinMP: a media player control covered by a TWMediaPlayer panel that draws its buttons
// from the skin and hands presses back to it. The panel follows the control's bounds and
// visibility and goes with its window.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"
#include "skin/controls/MediaPlayerPanel.h"

namespace tw {

class TSkinMP : public TControlSkinner {
public:
    ~TSkinMP() override;
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void Detach() override;
    void SkinChanged() override;
    TWMediaPlayer* Panel() const { return panel_.get(); }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    // The framework control is freed: its window goes unseen by this skinner, the panel now.
    void WindowGoing() override { panel_.reset(); }

private:
    std::unique_ptr<TWMediaPlayer> panel_;
};

}  // namespace tw
