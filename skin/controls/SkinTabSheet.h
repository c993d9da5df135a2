// TSkinTabSheet: a page of a page control, filled with the skin's face under its windowless
// children.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinTabSheet : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
};

}  // namespace tw
