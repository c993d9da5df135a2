// TWScrollbar: the borderless panel laid over one system scroll bar of a scrolled window. It
// draws the skinned bar off-screen and hands every press to the real bar, so the system's own
// scroll loop runs; the skinner that owns it tells it which part the system is operating.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/CoveringPanel.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/controls/ScrollGeometry.h"

namespace tw {

class TSkinData;

// What a panel asks of the skinner that owns it.
class TScrollPanelHost {
public:
    virtual TSkinData* PanelSkin() const = 0;

protected:
    ~TScrollPanelHost() = default;
};

class TWScrollbar : public TCoveringPanel {
public:
    // A hidden panel for the vertical or horizontal bar of target, a child of target's parent;
    // barControl: target is a scroll bar control and the panel covers all of it.
    TWScrollbar(TScrollPanelHost& host, HWND target, bool vertical, bool barControl = false);
    // May run while the panel's own press is still inside the system's scroll loop: the
    // press learns of it and touches nothing afterwards.
    ~TWScrollbar() override;

    // Lays the panel over the bar, right above the target in the z-order, or hides it when the
    // target, the bar or the skin's Scrollbar image is missing.
    void Place();
    void HideBar();
    // Shows the part the system operates (a scroll request code; the end code clears it).
    void SetHotPart(int part);
    // Repaints once what the bar shows has changed since the panel last drew it (the target
    // scrolled, was enabled or disabled, the skin changed); the target's own repaints, a row
    // at a time, leave an unchanged bar alone.
    void Refresh();

    bool Vertical() const { return vertical_; }
    bool Tracking() const { return tracking_; }
    int HotPart() const { return hotPart_; }
    // The bar in screen coordinates now (the window may have moved with its parent since it
    // was placed); false when the system tells nothing.
    bool BarScreenRect(RECT& rect) const;
    // The part under a point of the panel's client area.
    TScrollPart HitTest(POINT point) const;
    void Draw(HDC dc) override;

protected:
    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // What a drawing of the bar depends on.
    struct TShown {
        const TSkinData* Skin = nullptr;
        RECT Bar{};
        int ThumbTop = 0, ThumbBottom = 0;
        DWORD States[CCHILDREN_SCROLLBAR + 1]{};
        int HotPart = 0;
        bool Tracking = false;
        bool operator==(const TShown& other) const;
    };
    // Nothing when the system tells nothing of the bar.
    bool Shows(TShown& shown) const;
    bool BarInfo(SCROLLBARINFO& info) const;
    // A scroll bar control tells no bar information: it is worked out from its scroll state.
    bool ControlBarInfo(SCROLLBARINFO& info) const;
    // The target is enabled and so is its bar: the panel lights parts and hands presses on.
    bool TakesInput() const;
    void MouseMove(POINT point);
    void Press(POINT point);
    void Release(POINT point);

    TScrollPanelHost& host_;
    bool vertical_;
    bool barControl_;
    TPaintBuffer buffer_;
    int arrowSize_ = 0;
    int hotPart_ = spNone;
    bool tracking_ = false;
    POINT pressPoint_{};
    int thumbStartAtPress_ = 0;
    int thumbLengthAtPress_ = 0;
    bool drawn_ = false;
    TShown lastDrawn_;
    // Shared with a press on the stack: false once the panel is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tw
