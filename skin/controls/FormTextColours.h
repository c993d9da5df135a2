// TFormTextColours: gives a skinned framework form the skin's colours for disabled text, so
// that disabled labels and captions on it are engraved in the skin's light and shadow colours
// instead of the system's; the form's own colours come back when the skin goes.
#pragma once

#include "skin/form/SkinControl.h"

namespace tw {

class TWinSkinForm;

class TFormTextColours : public TSkinControl {
public:
    explicit TFormTextColours(TWinSkinForm& skinner);
    void Apply();
    void Detach() override;
    void SkinChanged() override { Apply(); }

private:
    TWinSkinForm& skinner_;
};

}  // namespace tw
