// Page 1: one of every control the framework has, in its usual states, and the three buttons
// that open the system's message box, open dialog and folder browser.
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

#include <cwchar>
#include <string>
#include <vector>

namespace tw::gallery {

namespace {

// 300 rows, enough to scroll: plain, Chinese and very long paths mixed, each with its length
// and a status.
std::vector<std::vector<std::wstring>> SampleRows() {
    static const wchar_t* const folders[] = {L"C:\\Videos\\", L"D:\\影片\\中文 名字\\", L"E:\\dvd\\VIDEO_TS\\",
                                             L"F:\\A very long folder name that runs past the column\\and on\\"};
    static const wchar_t* const names[] = {L"holiday", L"演唱会 现场", L"clip one", L"VTS_01_", L"第一集"};
    static const wchar_t* const types[] = {L".avi", L".rmvb", L".mp4", L".VOB", L".mpg"};
    static const wchar_t* const states[] = {L"完成", L"正在转换", L"", L"Failed"};
    std::vector<std::vector<std::wstring>> rows;
    for (int i = 0; i < 300; ++i) {
        const int seconds = (i * 97) % 5400;
        wchar_t length[16];
        swprintf(length, 16, L"%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
        rows.push_back({folders[i % 4] + std::wstring(names[i % 5]) + std::to_wstring(i + 1) + types[i % 5], length,
                        states[i % 4]});
    }
    return rows;
}

}  // namespace

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
           {{L"File 文件", 420, false}, {L"Length", 90, false}, {L"Status", 100, false}}, SampleRows());

    b.Panel(page, "pnlRaised", {8, 336, 200, 40}, TBevelCut::bvRaised, L"Raised panel");
    b.Panel(page, "pnlLowered", {216, 336, 200, 40}, TBevelCut::bvLowered, L"Lowered panel 面板");
    b.Panel(page, "pnlFlat", {424, 336, 208, 40}, TBevelCut::bvNone, L"Flat panel");
}

}  // namespace tw::gallery
