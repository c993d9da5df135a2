// TSkinTab: tab and page controls on the system tab control, tabs on any side, drawn from the
// skin's Tabs strip (turned for the side) over the page frame from its Border or Tab.Pane image;
// a page control tagged 7777 shows a close box on each tab and closes the page it is clicked on.
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/ControlSkinner.h"
#include "skin/controls/SkinTabArrows.h"
#include "skin/controls/TabGeometry.h"
#include "skin/data/Bitmap.h"

namespace tw {

enum : UINT {
    // Sent to the skinned form: wParam the tab control, lParam the tab; 0 lets the page close.
    SKM_TABCLOSE = 0x3507,
};

// A page control with this Tag carries close boxes on its tabs.
constexpr int kClosableTabsTag = 7777;

class TSkinTab : public TControlSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;
    void SkinChanged() override;

    // The close boxes of the last paint, one per tab, client coordinates (empty: none).
    const std::vector<TRect>& CloseBoxes() const { return closeBoxes_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void PrepareImages();
    bool CloseAt(POINT point);
    void DrawCaption(HDC dc, const RECT& tab, const std::wstring& text, COLORREF colour, HFONT turnedFont);

    TTabSide side_ = TTabSide::Top;
    bool closable_ = false;
    TBitmap tabImage_, paneImage_;
    std::vector<TRect> closeBoxes_;
    // The scroll arrows the system shows when the tabs do not fit, skinned once they appear.
    std::unique_ptr<TSkinTabArrows> arrows_;
};

}  // namespace tw
