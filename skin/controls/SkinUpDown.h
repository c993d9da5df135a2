// TSkinUpDown: up-down arrows, stand-alone or inside an edit, drawn from the skin's UpDown.Vert
// and UpDown.Horz strips (four frames per arrow), or as plain skin-coloured boxes without them.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinUpDown : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // The arrows are a child of an edit (a spin edit's own, or a bare edit's).
    bool InsideEdit() const;
};

}  // namespace tw
