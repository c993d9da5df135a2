#include "skin/controls/FormEdgeColours.h"

#include "framework/win/Forms.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

TFormEdgeColours::TFormEdgeColours(TWinSkinForm& skinner) : TSkinControl(skinner.Handle()), skinner_(skinner) {}

void TFormEdgeColours::Apply() {
    TForm* form = skinner_.Form();
    TSkinData* data = skinner_.SkinData();
    if (!form || !data) return;
    TEdgeColours colours;
    colours.Light = ColorToRGB(ResolveColor(data->Colours.ButtonHilight));
    colours.Shadow = ColorToRGB(ResolveColor(data->Colours.ButtonShadow));
    form->SetEdgeColours(&colours);
}

void TFormEdgeColours::Detach() {
    if (TForm* form = skinner_.Form()) form->SetEdgeColours(nullptr);
}

}  // namespace tw
