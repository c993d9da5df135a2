// TSkinHeader: column headers drawn from the skin's Headerbar strip, the column under the mouse
// in its hot frame; for framework and bare headers, and for the header of a skinned list view.
#pragma once

#include <vector>

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinHeader : public TControlSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;

    // The column drawn hot, -1 for none.
    int HotItem() const { return hotItem_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool HasImage() const;
    void DrawItem(HDC dc, int index, const RECT& rect, HFONT font);

    std::vector<RECT> itemRects_;  // each column inset by 3 pixels left and right
    int hotItem_ = -1;
};

}  // namespace tw
