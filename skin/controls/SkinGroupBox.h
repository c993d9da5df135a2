// TSkinGroupBox: framework group boxes on the skin's face: a rounded frame line in the skin's
// shadow colour, the caption over it on the face, then the box's windowless children.
// TSkinBox: panels and inner forms, which only take the skin's face colour while skinned.
#pragma once

#include "framework/win/Handles.h"
#include "skin/controls/ControlSkinner.h"

namespace tw {

class TSkinGroupBox : public TControlSkinner {
protected:
    bool BeforeMessage(TMessage& message) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
};

class TSkinBox : public TControlSkinner {};

}  // namespace tw
