// TSpeedButton: a windowless tool button painted by its parent, with a glyph and caption, a
// flat look and groups in which one button stays down (GroupIndex, Down, AllowAllUp).
#pragma once

#include "framework/win/ButtonGlyph.h"
#include "framework/win/Control.h"

namespace tw {

class TSpeedButton : public TGraphicControl {
    TW_CLASS_INFO()
public:
    explicit TSpeedButton(TComponent* owner) : TGraphicControl(owner) { parentColor_ = true; }

    TButtonGlyph& Glyphs() { return glyphs_; }
    const TButtonGlyph& Glyphs() const { return glyphs_; }
    TGlyphBitmap& Glyph() { return *glyphs_.Glyph; }
    void GlyphChanged() { Invalidate(); }

    bool Down() const { return down_; }
    // Putting a grouped button down puts the others of its group (same parent) up.
    void SetDown(bool down);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // 0: no group, the button springs back up after a click.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    // A click on the one button down of a group puts it up.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool MouseInside() const { return hot_; }

protected:
    void WndProc(TMessage& message) override;
    void Paint(HDC dc) override;
    void Click() override;

private:
    void GroupOthersUp();

    TButtonGlyph glyphs_;
    bool down_ = false, flat_ = false, allowAllUp_ = false;
    bool pressed_ = false, hot_ = false;
    int groupIndex_ = 0;
};

}  // namespace tw
