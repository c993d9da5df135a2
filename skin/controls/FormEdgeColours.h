// TFormEdgeColours: gives a skinned framework form the skin's light and shadow colours for the
// bevels of its panels and the engraved text of its disabled labels and captions, instead of the
// system's; the form's own colours come back when the skin goes.
#pragma once

#include "skin/form/SkinControl.h"

namespace tw {

class TWinSkinForm;

class TFormEdgeColours : public TSkinControl {
public:
    explicit TFormEdgeColours(TWinSkinForm& skinner);
    void Apply();
    void Detach() override;
    void SkinChanged() override { Apply(); }

private:
    TWinSkinForm& skinner_;
};

}  // namespace tw
