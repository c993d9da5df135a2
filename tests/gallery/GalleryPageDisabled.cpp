// Page 2: the controls of page 1 once more, every one of them disabled, so a screenshot shows
// each skin's disabled frames side by side with page 1's normal ones.
#include "tests/gallery/GalleryPages.h"

#include <windows.h>

namespace tw::gallery {

namespace {

// A push button made with the default button's style, the thicker frame a dialog's OK has.
class TDefaultButton : public TButton {
public:
    using TButton::TButton;

protected:
    void CreateParams(TCreateParams& params) override {
        TButton::CreateParams(params);
        params.Style |= BS_DEFPUSHBUTTON;
    }
};

}  // namespace

void BuildDisabledPage(TPageBuilder& b) {
    TPanel& page = b.Page();
    std::vector<TControl*> all;
    auto keep = [&all](TControl& control) -> TControl& {
        all.push_back(&control);
        return control;
    };

    TGroupBox& buttons = b.Group(page, "grpOffButtons", {8, 4, 304, 92}, L"Disabled buttons");
    keep(buttons);
    keep(b.Button(buttons, "btnOffPush", {12, 22, 136, 25}, L"Push button"));
    keep(b.Make<TDefaultButton>(buttons, "btnOffDefault", {156, 22, 136, 25})).SetCaption(L"Default button 默认");

    TGroupBox& toggles = b.Group(page, "grpOffToggles", {320, 4, 312, 92}, L"Disabled toggles");
    keep(toggles);
    keep(b.Toggle(toggles, "chkOffChecked", {12, 22, 140, 20}, TToggleKind::tkCheckBox, L"Checked box", true));
    keep(b.Toggle(toggles, "chkOffUnchecked", {12, 44, 140, 20}, TToggleKind::tkCheckBox, L"Unchecked box", false));
    keep(b.Toggle(toggles, "rdoOffFirst", {164, 22, 140, 20}, TToggleKind::tkRadioButton, L"Chosen radio", true));
    keep(b.Toggle(toggles, "rdoOffSecond", {164, 44, 140, 20}, TToggleKind::tkRadioButton, L"Other radio 单选", false));

    TGroupBox& text = b.Group(page, "grpOffText", {8, 100, 304, 108}, L"Disabled edit boxes");
    keep(text);
    b.Label(text, "lblOffEdit", {12, 24}, L"Edit 编辑");
    keep(b.Edit(text, "edtOffNormal", {100, 20, 192, 21}, L"Text that cannot be typed"));
    b.Label(text, "lblOffReadOnly", {12, 52}, L"Read-only");
    TEdit& readOnly = b.Edit(text, "edtOffReadOnly", {100, 48, 192, 21}, L"Read-only and disabled");
    readOnly.SetReadOnly(true);
    keep(readOnly);

    TGroupBox& choices = b.Group(page, "grpOffChoices", {320, 100, 312, 108}, L"Disabled combos and progress");
    keep(choices);
    b.Label(choices, "lblOffDropDownList", {12, 24}, L"Drop-down list");
    keep(b.Combo(choices, "cmbOffDropDownList", {120, 20, 180, 20}, TComboBoxStyle::csDropDownList,
                 {L"176x144", L"320x240", L"352x288"}, 1));
    b.Label(choices, "lblOffDropDown", {12, 52}, L"Drop-down");
    keep(b.Combo(choices, "cmbOffDropDown", {120, 48, 180, 20}, TComboBoxStyle::csDropDown, {L"12.2K", L"7.95K"}, 0));
    b.Label(choices, "lblOffProgress", {12, 82}, L"Progress 40%");
    keep(b.Progress(choices, "barOffProgress", {120, 80, 180, 18}, 40));

    keep(b.List(page, "lvwOffRows", {8, 216, 624, 112},
                {{L"File 文件", 300, true}, {L"Length", 90, false}, {L"Status", 100, false}},
                {{L"C:\\Videos\\holiday.avi", L"00:03:12", L"完成"},
                 {L"D:\\clip one.mp4", L"00:00:45", L""},
                 {L"D:\\concert.mpg", L"00:58:03", L"Failed"}}));

    keep(b.Panel(page, "pnlOffRaised", {8, 336, 200, 40}, TBevelCut::bvRaised, L"Disabled raised panel"));
    keep(b.Panel(page, "pnlOffLowered", {216, 336, 200, 40}, TBevelCut::bvLowered, L"Disabled lowered 面板"));

    for (TControl* control : all) control->SetEnabled(false);
}

}  // namespace tw::gallery
