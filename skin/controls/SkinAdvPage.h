// TSkinAdvPage: a page control that draws its own tabs from two bitmaps it is handed (its
// TabBackGround and TabBackGroundActive properties): the skinner composes them from the skin's
// Tabs strip, anew on every skin change, empties them when it leaves, and skins the control's
// scroll arrows once they appear.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinUpDown;

// The size the tab backgrounds are composed at.
constexpr int kAdvTabWidth = 100, kAdvTabHeight = 21;

class TSkinAdvPage : public TControlSkinner {
public:
    TSkinAdvPage();
    ~TSkinAdvPage() override;

    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void Detach() override;
    void SkinChanged() override;

protected:
    void DrawSkin(HDC dc, const RECT& rect) override;
    void WindowGoing() override;

private:
    // Both backgrounds from frames 1 and 2 of the Tabs strip; emptied when the skin has none.
    void RenderBackgrounds();
    void ClearBackgrounds();

    std::unique_ptr<TSkinUpDown> arrows_;
};

}  // namespace tw
