// TSkinTrackBar: track bars (ours, and bare "msctls_trackbar32" windows) paint their ticks
// themselves and ask, through the system's custom draw, for the background, channel and thumb,
// which come from the skin; the thumb is lit under the mouse, pressed while dragged and grey on
// a disabled bar. A bare bar's custom draw goes to its parent: a layer on the parent answers it
// there.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/win/Graphics.h"
#include "framework/win/Subclass.h"
#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinTrackBar : public TControlSkinner {
public:
    ~TSkinTrackBar() override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;
    void Detach() override;
    // Repaints with the new skin where it is; the focus stays where it was.
    void SkinChanged() override;

    // The answer to one custom-draw request of the bar.
    LRESULT CustomDraw(NMCUSTOMDRAW& draw, LRESULT unchanged);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;

private:
    // The thumb's hot and pressed bits from the mouse at point (client coordinates); the bar
    // paints again when they change.
    void FollowMouse(POINT point, bool pressed);
    bool OnThumb(POINT point) const;
    void ParentMessage(TMessage& message);
    HBRUSH FaceBrush();
    void DrawChannel(HDC dc);
    void DrawThumb(HDC dc);
    bool Vertical() const;

    TWindowSubclass parentLayer_;
    TBrushHandle face_;
    COLORREF faceColour_ = CLR_INVALID;
};

}  // namespace tw
