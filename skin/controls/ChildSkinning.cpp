#include "skin/controls/ChildSkinning.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/Control.h"
#include "framework/win/Forms.h"
#include "skin/controls/FormEdgeColours.h"
#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinBoxH.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinTabSheet.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/controls/SkinnerKind.h"
#include "skin/controls/WindowlessSkinning.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

std::string NarrowClassName(HWND window) {
    wchar_t name[101] = {};
    GetClassNameW(window, name, 100);
    std::string s;
    for (const wchar_t* p = name; *p; ++p) s.push_back(*p < 128 ? static_cast<char>(*p) : '?');
    return s;
}

std::string UpperAscii(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool Answers(HWND window) { return SendMessageW(window, SKM_QUERY, 0, 0) == 1; }

// Lists the skinner, then attaches it; one that could not attach leaves the list again.
template <class AttachFn>
void Attach(TWinSkinForm& form, TSkinnerKind kind, AttachFn attach) {
    std::unique_ptr<TControlSkinner> skinner = MakeSkinner(kind);
    if (!skinner) return;
    TControlSkinner* raw = skinner.get();
    form.AddSkinner(std::move(skinner));
    attach(*raw);
    if (!raw->Attached()) form.RemoveSkinner(raw);
}

void SkinContained(TWinSkinForm& form, TWinControl& control) {
    std::vector<TWinControl*> children;
    for (int i = 0; i < control.ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(control.Controls(i))) children.push_back(child);
    for (TWinControl* child : children) Dispatch(form, *child);
}

// A radio group's buttons each as a radio button, then its frame as a group box.
void SkinRadioGroup(TWinSkinForm& form, TWinControl& group, const TSkinnerChoice& choice) {
    TSkinData& data = *form.SkinData();
    if (InSet(data.SkinControls, xcRadioButton))
        for (int i = 0; i < group.ControlCount(); ++i) {
            auto* button = dynamic_cast<TWinControl*>(group.Controls(i));
            if (!button || !button->Handle() || form.IsSkinned(button->Handle())) continue;
            // The buttons of another family's group take the radio strip as their own glyphs.
            const bool strip = UpperAscii(group.ClassName()).find("TRZ") != std::string::npos;
            Attach(form, strip ? TSkinnerKind::ObjImage : TSkinnerKind::RadioButton, [&](TControlSkinner& s) {
                if (auto* image = dynamic_cast<TSkinObjImage*>(&s)) image->SetObjKind(2);
                s.AttachControl(form, data, *button, choice.Recolour);
            });
        }
    Attach(form, TSkinnerKind::GroupBox,
           [&](TControlSkinner& s) { s.AttachControl(form, data, group, choice.Recolour); });
}

void Apply(TWinSkinForm& form, TWinControl& control, const TSkinnerChoice& choice) {
    if (choice.Kind == TSkinnerKind::RadioGroup) {
        SkinRadioGroup(form, control, choice);
        return;
    }
    if (choice.SkinContained) SkinContained(form, control);
    TSkinData& data = *form.SkinData();
    Attach(form, choice.Kind, [&](TControlSkinner& s) {
        if (auto* image = dynamic_cast<TSkinObjImage*>(&s)) image->SetObjKind(choice.ObjKind);
        s.AttachControl(form, data, control, choice.Recolour);
    });
}

TControlFacts FactsOf(TWinControl& control) {
    TControlFacts f;
    f.ClassName = control.ClassName();
    f.IsGroupBox = control.InheritsFrom("TCustomGroupBox");
    f.IsProgressBar = control.InheritsFrom("TProgressBar");
    f.IsComboBox = control.InheritsFrom("TCustomComboBox");
    f.IsListView = control.InheritsFrom("TCustomListView");
    f.IsPushButton = control.InheritsFrom("TButton");
    f.IsEdit = control.InheritsFrom("TCustomEdit");
    f.IsPanel = control.InheritsFrom("TCustomPanel");
    f.IsForm = control.InheritsFrom("TForm");
    f.IsCheckBox = control.InheritsFrom("TCheckBox");
    f.IsRadioButton = control.InheritsFrom("TRadioButton");
    f.IsBitButton = control.InheritsFrom("TBitBtn");
    f.IsMenuButton = control.InheritsFrom("TMenuButton");
    f.IsRadioGroup = control.InheritsFrom("TRadioGroup");
    if (control.HandleAllocated()) {
        const LONG_PTR style = GetWindowLongPtrW(control.Handle(), GWL_STYLE);
        f.HasScrollStyle = (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
        f.TabButtons = (style & TCS_BUTTONS) != 0;
    }
    return f;
}

}  // namespace

std::unique_ptr<TControlSkinner> MakeSkinner(TSkinnerKind kind) {
    switch (kind) {
        case TSkinnerKind::Button:
            return std::make_unique<TSkinButton>();
        case TSkinnerKind::MenuButton:
            return std::make_unique<TSkinMenuButton>();
        case TSkinnerKind::BitButton:
            return std::make_unique<TSkinBitButton>();
        case TSkinnerKind::GroupBox:
            return std::make_unique<TSkinGroupBox>();
        case TSkinnerKind::Progress:
            return std::make_unique<TSkinProgress>();
        case TSkinnerKind::Box:
            return std::make_unique<TSkinBox>();
        case TSkinnerKind::Edit:
            return std::make_unique<TSkinEdit>();
        case TSkinnerKind::Combo:
            return std::make_unique<TSkinComBox>();
        case TSkinnerKind::Sizer:
            return std::make_unique<TSkinSizer>();
        case TSkinnerKind::ListView:
            return std::make_unique<TSkinListView>();
        case TSkinnerKind::Scrollbar:
            return std::make_unique<TSkinScrollbar>();
        case TSkinnerKind::CheckBox:
            return std::make_unique<TSkinCheckBox>();
        case TSkinnerKind::RadioButton:
            return std::make_unique<TSkinRadioButton>();
        case TSkinnerKind::Tab:
            return std::make_unique<TSkinTab>();
        case TSkinnerKind::TabSheet:
            return std::make_unique<TSkinTabSheet>();
        case TSkinnerKind::ScControl:
            return std::make_unique<TSkinScControl>();
        case TSkinnerKind::TrackBar:
            return std::make_unique<TSkinTrackBar>();
        case TSkinnerKind::UpDown:
            return std::make_unique<TSkinUpDown>();
        case TSkinnerKind::DateTime:
            return std::make_unique<TSkinDateTime>();
        case TSkinnerKind::StatusBar:
            return std::make_unique<TSkinStatusBar>();
        case TSkinnerKind::TabButtons:
            return std::make_unique<TSkinTabBtn>();
        case TSkinnerKind::Header:
            return std::make_unique<TSkinHeader>();
        case TSkinnerKind::TabSet:
            return std::make_unique<TSkinTab31>();
        case TSkinnerKind::AdvPage:
            return std::make_unique<TSkinAdvPage>();
        case TSkinnerKind::ObjImage:
            return std::make_unique<TSkinObjImage>();
        case TSkinnerKind::MediaPlayer:
            return std::make_unique<TSkinMP>();
        default:
            return nullptr;  // the other families are not built in this program yet
    }
}

void SkinFormChildren(TWinSkinForm& skinner) {
    if (!skinner.SkinData()) return;
    if (skinner.Form()) SkinChildren(skinner);
    else
        SkinChildWindows(skinner, skinner.Handle());
}

void InstallControlSkinners() { SetChildSkinner(&SkinFormChildren); }

void SkinChildren(TWinSkinForm& skinner) {
    skinner.SweepSkinners();
    TForm* form = skinner.Form();
    TSkinData* data = skinner.SkinData();
    if (!form || !data) return;
    // Bevels and disabled text of the form take the skin's colours; one keeper per form.
    const auto& kept = skinner.Skinners();
    if (std::none_of(kept.begin(), kept.end(),
                     [](const auto& s) { return dynamic_cast<TFormEdgeColours*>(s.get()); })) {
        auto colours = std::make_unique<TFormEdgeColours>(skinner);
        colours->Apply();
        skinner.AddSkinner(std::move(colours));
    }
    std::vector<TWinControl*> list;
    form->GetTabOrderList(list);
    for (TWinControl* control : list) {
        if (!control->HandleAllocated() || control->Tag() == data->DisableTag) continue;
        if (Answers(control->Handle())) continue;
        Dispatch(skinner, *control);
    }
    SkinWindowlessChildren(skinner, *form);
}

void Dispatch(TWinSkinForm& skinner, TWinControl& control) {
    TSkinData* data = skinner.SkinData();
    if (!data) return;
    const std::string name = UpperAscii(control.ClassName());
    if (control.Tag() == data->DisableTag) {
        // The buttons of a group kept unskinned stay unskinned too.
        std::string lower = name;
        for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos)
            for (int i = 0; i < control.ControlCount(); ++i) control.Controls(i)->SetTag(data->DisableTag);
        return;
    }
    if (!control.Parent()) return;
    if (control.HandleAllocated() && skinner.IsSkinned(control.Handle())) return;
    if (!control.Handle()) return;
    if (data->OnSkinControl) {
        // The application may look at every control; what it hands back is not one of these
        // skinners (they are not components), so the rules below still decide.
        TComponent* supplied = nullptr;
        data->OnSkinControl(nullptr, data, skinner.Form(), &control, name, supplied);
    }
    const std::string mapped = data->LookupSkin3rd(name);
    if (!mapped.empty()) {
        Apply(skinner, control, ChooseForSkin3rd(mapped, data->SkinControls, data->Tabs != nullptr));
        return;
    }
    if (name == "TDBCOMBOBOXEH" || name == "TFRDESIGNERPAGE" || name == "TFRPBOX") return;
    Apply(skinner, control, ChooseForControl(FactsOf(control), data->SkinControls, data->Tabs != nullptr));
}

void SkinChildWindows(TWinSkinForm& skinner, HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
    for (HWND child : children) SkinWindow(skinner, child);
}

void SkinWindow(TWinSkinForm& skinner, HWND window) {
    TSkinData* data = skinner.SkinData();
    if (!data || !IsWindow(window) || skinner.IsSkinned(window)) return;
    const std::string cls = NarrowClassName(window);
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    const TSkinnerChoice choice = ChooseForWindow(cls, style);
    if (choice.SkinContained) SkinChildWindows(skinner, window);
    if (choice.Recolour && choice.Kind == TSkinnerKind::None)
        if (TWinControl* control = FindControlOfWindow(window))
            control->SetColor(ResolveColor(data->Colours.ButtonFace));
    if (choice.Kind == TSkinnerKind::Box) {
        // A nested bare dialog: its children are skinned above, its face here.
        auto box = std::make_unique<TSkinBoxH>();
        TControlSkinner* raw = box.get();
        skinner.AddSkinner(std::move(box));
        raw->AttachWindow(window, *data, skinner);
        if (!raw->Attached()) skinner.RemoveSkinner(raw);
        return;
    }
    HWND target = window;
    if (UpperAscii(cls) == "COMBOBOXEX32") {
        target = GetWindow(window, GW_CHILD);
        if (!target) return;
    }
    Attach(skinner, choice.Kind, [&](TControlSkinner& s) { s.AttachWindow(target, *data, skinner); });
}

}  // namespace tw
