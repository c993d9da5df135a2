// TSkinTab31: a tab set (tabs hanging below a line, drawn by the control itself) drawn from the
// skin's Tabs strip turned upside down, the selected tab raised over its neighbours, captions in
// the strip's colours; its scroll arrows get an up-down skinner of their own.
#pragma once

#include <memory>

#include "skin/controls/ControlSkinner.h"
#include "skin/data/Bitmap.h"

namespace tw {

class TSkinUpDown;

class TSkinTab31 : public TControlSkinner {
public:
    TSkinTab31();
    ~TSkinTab31() override;

    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void Detach() override;
    void SkinChanged() override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void WindowGoing() override;

private:
    void PrepareImage();
    // The tab set's scroll control, when its first owned component is one, gets its skinner.
    void SkinScroller();

    TBitmap tabImage_;
    std::unique_ptr<TSkinUpDown> scroller_;
};

}  // namespace tw
