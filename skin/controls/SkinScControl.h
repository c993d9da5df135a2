// TSkinScControl: a scroll bar control (ours, or a bare "ScrollBar" window that is no size grip)
// covered by one TWScrollbar panel that draws it from the skin and hands presses to the control.
#pragma once

#include "skin/controls/CoveringSkinner.h"
#include "skin/controls/ScrollPanel.h"

namespace tw {

class TSkinScControl : public TCoveringSkinner, public TScrollPanelHost {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;
    void SkinChanged() override;
    TSkinData* PanelSkin() const override { return skinData_; }
    TWScrollbar* Panel() const { return static_cast<TWScrollbar*>(panel_.get()); }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;

private:
    // The bar's orientation as its window's style tells it now.
    bool Vertical() const;
    void MakePanel();
};

}  // namespace tw
