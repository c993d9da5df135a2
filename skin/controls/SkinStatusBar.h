// TSkinStatusBar: status bars, framework and bare, painted whole: the simple text or each
// panel on a bevel from the skin's StatusBarEdges strip, and the skin's size grip.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinStatusBar : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // bevel: 1 lowered, 2 raised, 3 none.
    void DrawBevel(HDC dc, const RECT& rect, int bevel) const;
};

}  // namespace tw
