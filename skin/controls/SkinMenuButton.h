// TSkinMenuButton: a menu button drawn from the skin's button strip, its caption centred left
// of a drop arrow at the right edge in the caption's colour; a click drops the button's menu
// (the push button's press and release handling is kept).
#pragma once

#include "skin/controls/SkinButton.h"

namespace tw {

class TSkinMenuButton : public TSkinButton {
public:
    // The width kept for the arrow at the right edge.
    static constexpr int kArrowWidth = 17;
    int LastMenuFrame() const { return lastMenuFrame_; }

protected:
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TPaintBuffer menuBuffer_;
    int lastMenuFrame_ = 0;
};

}  // namespace tw
