// TSkinMP: a media player control covered by a TWMediaPlayer panel that draws its buttons
// from the skin and hands presses back to it. The panel follows the control's bounds and
// visibility and goes with its window.
#pragma once

#include "skin/controls/CoveringSkinner.h"
#include "skin/controls/MediaPlayerPanel.h"

namespace tw {

class TSkinMP : public TCoveringSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void SkinChanged() override;
    TWMediaPlayer* Panel() const { return static_cast<TWMediaPlayer*>(panel_.get()); }

protected:
    void AfterMessage(TMessage& message) override;
};

}  // namespace tw
