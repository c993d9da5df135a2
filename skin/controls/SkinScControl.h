// TSkinScControl: a scroll bar control (ours, or a bare "ScrollBar" window that is no size grip)
// covered by one TWScrollbar panel that draws it from the skin and hands presses to the control.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"
#include "skin/controls/ScrollPanel.h"

namespace tw {

class TSkinScControl : public TControlSkinner, public TScrollPanelHost {
public:
    ~TSkinScControl() override;
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;
    void Detach() override;
    void SkinChanged() override;
    TSkinData* PanelSkin() const override { return skinData_; }
    TWScrollbar* Panel() const { return panel_.get(); }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void WindowGoing() override { panel_.reset(); }

private:
    // The bar's orientation as its window's style tells it now.
    bool Vertical() const;
    void MakePanel();
    std::unique_ptr<TWScrollbar> panel_;
};

}  // namespace tw
