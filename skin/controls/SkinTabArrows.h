// TSkinTabArrows: the pair of scroll arrows a tab strip shows when its tabs do not fit (the
// system tab control's own up-down, or a tab set's), drawn from the skin's up-down strip and
// its glyphs, each arrow normal, hot, pressed or disabled.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinTabArrows : public TControlSkinner {
public:
    // Arrows left and right whatever the window's style says (a tab set's arrows).
    void SetHorizontal(bool value) { horizontal_ = value; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool horizontal_ = false;
    bool pressed_ = false;
};

}  // namespace tw
