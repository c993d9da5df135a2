#include "skin/controls/WindowlessSkinning.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "framework/win/Control.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinnerKind.h"
#include "skin/data/SkinData.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

bool HasSkinner(const TWinSkinForm& skinner, const TControl& control) {
    const auto& list = skinner.Skinners();
    return std::any_of(list.begin(), list.end(), [&control](const auto& s) {
        auto* speed = dynamic_cast<TSkinSpeedButton*>(s.get());
        return speed && speed->Graphic() == &control && speed->LifeState() != slGone;
    });
}

}  // namespace

void SkinWindowlessChildren(TWinSkinForm& skinner, TWinControl& root) {
    for (int i = 0; i < root.ControlCount(); ++i) {
        TControl* child = root.Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) SkinWindowlessChildren(skinner, *windowed);
        else
            DispatchWindowless(skinner, *child);
    }
}

void DispatchWindowless(TWinSkinForm& skinner, TControl& control) {
    TSkinData* data = skinner.SkinData();
    if (!data || control.Tag() == data->DisableTag || HasSkinner(skinner, control)) return;
    std::string name = control.ClassName();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    TControlFacts facts;
    facts.ClassName = control.ClassName();
    facts.IsSpeedButton = control.InheritsFrom("TSpeedButton");
    std::string mapped = data->LookupSkin3rd(name);
    std::transform(mapped.begin(), mapped.end(), mapped.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ChooseForWindowless(facts, mapped, data->SkinControls).Kind != TSkinnerKind::SpeedButton) return;
    auto speed = std::make_unique<TSkinSpeedButton>();
    TSkinSpeedButton* raw = speed.get();
    skinner.AddSkinner(std::move(speed));
    raw->AttachSpeed(skinner, *data, control);
    if (!raw->Attached()) skinner.RemoveSkinner(raw);
}

}  // namespace tw
