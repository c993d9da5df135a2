// TSkinBoxH: dialog boxes nested in a skinned dialog (a bare "#32770" child): their background
// and the statics on them take the skin's face. TSkinSizer: the size grip of a dialog, drawn
// as the skin's grip when it has one, on the face otherwise.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinBoxH : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
};

class TSkinSizer : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
};

}  // namespace tw
