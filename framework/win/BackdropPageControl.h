// TBackdropPageControl: a page control that paints its own tabs from two bitmaps handed to it
// (TabBackGround for a tab, TabBackGroundActive for the selected one) while both hold a picture,
// and leaves them to the system otherwise.
#pragma once

#include "framework/win/GlyphBitmap.h"
#include "framework/win/TabControls.h"

namespace tw {

class TBackdropPageControl : public TPageControl {
    TW_CLASS_INFO()
public:
    explicit TBackdropPageControl(TComponent* owner);

    TGlyphBitmap& TabBackGround() { return back_; }
    TGlyphBitmap& TabBackGroundActive() { return active_; }
    // Both pictures are there: the control draws its tabs from them.
    bool PaintsOwnTabs() const { return !back_.Empty() && !active_.Empty(); }

protected:
    void WndProc(TMessage& message) override;

private:
    void PaintTabs(HDC dc);

    TGlyphBitmap back_, active_;
};

}  // namespace tw
