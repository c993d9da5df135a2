// TSkinEdit: edit fields, framework and bare, with a flat frame from the skin over the sunken
// edge the control draws itself; the text area stays the control's.
#pragma once

#include "skin/controls/ControlSkinner.h"

namespace tw {

enum : UINT {
    // Private request to a skinned edit: with lParam SKM_MAGIC and a DC in wParam, the edit's
    // own procedure paints its client into that DC; the answer is SKM_MAGIC.
    SKM_PAINTCLIENT = 0xBC4A,
};

class TSkinEdit : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // WM_PRINTCLIENT: the frame into the printing DC (the window's own when none is given).
    void PrintFrame(HDC dc);
};

}  // namespace tw
