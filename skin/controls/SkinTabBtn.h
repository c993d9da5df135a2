// TSkinTabBtn: a tab control whose tabs are buttons (TCS_BUTTONS, flat with TCS_FLATBUTTONS),
// each drawn from the skin's Buttons strip: the selected tab pressed in, the tab under the
// mouse hot, all of them disabled with the control; the rest of the control on the skin face.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinTabBtn : public TControlSkinner {
public:
    // The tab drawn hot, -1 for none.
    int HotTab() const { return hotTab_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    int TabAt(POINT point) const;

    int hotTab_ = -1;
};

}  // namespace tw
