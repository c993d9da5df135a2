// TSkinDateTime: date pickers in drop-down style: a flat frame from the skin over the picker's
// sunken edge and a skinned arrow button over its own.
#pragma once

#include <memory>

#include "skin/controls/ArrowButton.h"
#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinDateTime : public TControlSkinner {
public:
    void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) override;
    void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) override;
    void Detach() override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void PlaceArrow();
    std::unique_ptr<TArrowButton> arrow_;
};

}  // namespace tw
