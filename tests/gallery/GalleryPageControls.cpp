// Page 1: one of every control the framework has, in its usual states, and the three buttons
// that open the system's message box, open dialog and folder browser.
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

namespace tw::gallery {

void BuildControlsPage(TPageBuilder& b) {
    TFrmGallery& form = b.Form();
    TPanel& page = b.Page();

    TGroupBox& buttons = b.Group(page, "grpButtons", {8, 4, 304, 92}, L"Buttons");
    b.Button(buttons, "btnMessageBox", {12, 22, 136, 25}, L"Message box...", [&form] { form.ShowSampleMessageBox(); });
    b.Button(buttons, "btnOpenDialog", {156, 22, 136, 25}, L"Open dialog...", [&form] { form.ShowSampleOpenDialog(); });
    b.Button(buttons, "btnFolderBrowser", {12, 56, 136, 25}, L"Folder browser...",
             [&form] { form.ShowSampleFolderBrowser(); });
    b.Button(buttons, "btnDisabled", {156, 56, 136, 25}, L"Disabled").SetEnabled(false);

    TGroupBox& toggles = b.Group(page, "grpToggles", {320, 4, 312, 92}, L"Check boxes and radio buttons");
    b.Toggle(toggles, "chkChecked", {12, 22, 140, 20}, TToggleKind::tkCheckBox, L"Checked", true);
    b.Toggle(toggles, "chkUnchecked", {12, 44, 140, 20}, TToggleKind::tkCheckBox, L"Unchecked", false);
    b.Toggle(toggles, "chkDisabled", {12, 66, 140, 20}, TToggleKind::tkCheckBox, L"Disabled", true).SetEnabled(false);
    b.Toggle(toggles, "rdoFirst", {164, 22, 140, 20}, TToggleKind::tkRadioButton, L"Radio one", true);
    b.Toggle(toggles, "rdoSecond", {164, 44, 140, 20}, TToggleKind::tkRadioButton, L"Radio two 单选", false);
    b.Toggle(toggles, "rdoDisabled", {164, 66, 140, 20}, TToggleKind::tkRadioButton, L"Disabled", false)
        .SetEnabled(false);

    TGroupBox& text = b.Group(page, "grpText", {8, 100, 304, 108}, L"Labels and edit boxes");
    b.Label(text, "lblEdit", {12, 24}, L"Edit 编辑");
    b.Edit(text, "edtNormal", {100, 20, 192, 21}, L"Some text 一些文字");
    b.Label(text, "lblReadOnly", {12, 52}, L"Read-only");
    b.Edit(text, "edtReadOnly", {100, 48, 192, 21}, L"Cannot be changed").SetReadOnly(true);
    b.Label(text, "lblDisabledEdit", {12, 80}, L"Disabled");
    b.Edit(text, "edtDisabled", {100, 76, 192, 21}, L"Greyed out").SetEnabled(false);

    TGroupBox& choices = b.Group(page, "grpChoices", {320, 100, 312, 108}, L"Combo boxes and progress");
    b.Label(choices, "lblDropDownList", {12, 24}, L"Drop-down list");
    b.Combo(choices, "cmbDropDownList", {120, 20, 180, 20}, TComboBoxStyle::csDropDownList,
            {L"176x144", L"320x240", L"352x288", L"704x576"}, 1);
    b.Label(choices, "lblDropDown", {12, 52}, L"Drop-down");
    b.Combo(choices, "cmbDropDown", {120, 48, 180, 20}, TComboBoxStyle::csDropDown, {L"12.2K", L"7.95K", L"4.75K"}, 0);
    b.Label(choices, "lblProgress", {12, 82}, L"Progress 60%");
    b.Progress(choices, "barProgress", {120, 80, 180, 18}, 60);

    b.List(page, "lvwRows", {8, 216, 624, 112},
           {{L"File 文件", 300, true}, {L"Length", 90, false}, {L"Status", 100, false}},
           {{L"C:\\Videos\\holiday.avi", L"00:03:12", L"完成"},
            {L"C:\\Videos\\中文 名字.rmvb", L"01:21:40", L"正在转换"},
            {L"D:\\clip one.mp4", L"00:00:45", L""},
            {L"D:\\concert.mpg", L"00:58:03", L"Failed"},
            {L"E:\\dvd\\VTS_01_1.VOB", L"00:17:30", L""}});

    b.Panel(page, "pnlRaised", {8, 336, 200, 40}, TBevelCut::bvRaised, L"Raised panel");
    b.Panel(page, "pnlLowered", {216, 336, 200, 40}, TBevelCut::bvLowered, L"Lowered panel 面板");
    b.Panel(page, "pnlFlat", {424, 336, 208, 40}, TBevelCut::bvNone, L"Flat panel");
}

}  // namespace tw::gallery
