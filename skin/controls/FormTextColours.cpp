#include "skin/controls/FormTextColours.h"

#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

TFormTextColours::TFormTextColours(TWinSkinForm& skinner) : TSkinControl(skinner.Handle()), skinner_(skinner) {}

void TFormTextColours::Apply() {
    TForm* form = skinner_.Form();
    TSkinData* data = skinner_.SkinData();
    if (!form || !data) return;
    TDisabledTextColours colours;
    colours.Light = ColorToRGB(ResolveColor(data->Colours.ButtonHilight));
    colours.Text = ColorToRGB(ResolveColor(data->Colours.ButtonShadow));
    form->SetDisabledTextColours(&colours);
}

void TFormTextColours::Detach() {
    if (TForm* form = skinner_.Form()) form->SetDisabledTextColours(nullptr);
}

}  // namespace tw
