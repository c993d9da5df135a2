// TCoveringSkinner: a control skinner whose control is covered by a panel of its own (a scroll
// bar control, a media player). The family makes the panel at attach; it goes at detach and
// with the control's window, and while it covers the control what the control paints itself
// never reaches the screen.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"
#include "skin/controls/CoveringPanel.h"

namespace tw {

class TCoveringSkinner : public TControlSkinner {
public:
    ~TCoveringSkinner() override;
    void Detach() override;

protected:
    bool BeforeMessage(TMessage& message) override;
    // After each paint of the control: the panel paints again.
    void DrawSkin(HDC dc, const RECT& rect) override;
    // The framework control is freed: its window goes unseen by this skinner, the panel now.
    void WindowGoing() override { panel_.reset(); }

    std::unique_ptr<TCoveringPanel> panel_;
};

}  // namespace tw
