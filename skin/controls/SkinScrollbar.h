// The skinners of scrolled windows: each lays a TWScrollbar panel over the window's two system
// scroll bars and keeps them placed and lit as the window scrolls, sizes, hides and goes.
// TSkinScrollbar: framework controls (with a skinned border unless theirs is none);
// TSkinListView: the same with the list's column header skinned; TSkinScrollbarH: bare windows.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"
#include "skin/controls/ScrollPanel.h"
#include "skin/controls/SkinHeader.h"

namespace tw {

// What the three share: the panels, their placing, the scroll codes and the corner square.
class TScrolledSkinner : public TControlSkinner, public TScrollPanelHost {
public:
    ~TScrolledSkinner() override;
    void Detach() override;
    void SkinChanged() override;

    TWScrollbar* HorizontalPanel() const { return horizontal_.get(); }
    TWScrollbar* VerticalPanel() const { return vertical_.get(); }
    // Places each panel over its bar again (or hides it).
    void PlaceBars();
    TSkinData* PanelSkin() const override { return skinData_; }

protected:
    void MakePanels();
    void FreePanels();
    void HideBars();
    void InvalidateBars() const;
    // The square between two shown bars, in the skin's face colour (window coordinates).
    void FillCorner(HDC dc) const;

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    // After each paint of the window: the panels paint again, a hidden one is placed again
    // once its bar is there.
    void DrawSkin(HDC dc, const RECT& rect) override;
    void WindowGoing() override { FreePanels(); }

    // Shared with the frames of this skinner's own handlers: false once it is gone.
    std::shared_ptr<bool> scrolledAlive_ = std::make_shared<bool>(true);

private:
    std::unique_ptr<TWScrollbar> horizontal_, vertical_;
};

class TSkinScrollbar : public TScrolledSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    bool DrawsBorder() const { return drawBorder_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;

private:
    void DrawBorder(HDC dc) const;

    bool drawBorder_ = false;
};

class TSkinListView : public TSkinScrollbar {
public:
    ~TSkinListView() override;
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void Detach() override;
    void SkinChanged() override;
    TSkinHeader* Header() const { return header_.get(); }

protected:
    // The system draws a list's grid lines in its own face colour: after the list has painted,
    // they take the skin's face colour.
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void AttachHeader();
    std::unique_ptr<TSkinHeader> header_;
};

class TSkinScrollbarH : public TScrolledSkinner {
public:
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;

protected:
    void AfterMessage(TMessage& message) override;
};

}  // namespace tw
