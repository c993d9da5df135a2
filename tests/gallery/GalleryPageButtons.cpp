// Page 4: the framework's check boxes and radio buttons in each check state, enabled and
// disabled, glyph buttons of the standard kinds, and a group of speed buttons with one down
// beside a flat one.
#include "framework/win/BitBtn.h"
#include "framework/win/CheckBoxes.h"
#include "framework/win/SpeedButton.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

namespace tw::gallery {

namespace {

TCheckBox& Check(TPageBuilder& b, const char* name, int top, const wchar_t* caption, TCheckBoxState state,
                 bool enabled) {
    TCheckBox& check = b.Make<TCheckBox>(b.Page(), name, {8, top, 150, 20});
    check.SetCaption(caption);
    check.SetAllowGrayed(state == TCheckBoxState::cbGrayed);
    check.SetState(state);
    check.SetEnabled(enabled);
    return check;
}

}  // namespace

void BuildButtonsPage(TPageBuilder& b) {
    Check(b, "chkUnchecked", 8, L"Unchecked", TCheckBoxState::cbUnchecked, true);
    Check(b, "chkChecked", 32, L"Checked", TCheckBoxState::cbChecked, true);
    Check(b, "chkGrayed", 56, L"Indeterminate", TCheckBoxState::cbGrayed, true);
    Check(b, "chkDisabled", 80, L"Disabled, checked", TCheckBoxState::cbChecked, false);
    Check(b, "chkLeftText", 104, L"Box on the right", TCheckBoxState::cbChecked, true)
        .SetAlignment(TAlignment::taLeftJustify);

    TGroupBox& radios = b.Group(b.Page(), "grpRadios", {170, 4, 160, 100}, L"Radio buttons");
    const wchar_t* const captions[] = {L"First", L"Second", L"Disabled"};
    const char* const names[] = {"rdoFirst", "rdoSecond", "rdoDisabled"};
    for (int i = 0; i < 3; ++i) {
        TRadioButton& radio = b.Make<TRadioButton>(radios, names[i], {10, 20 + 24 * i, 140, 20});
        radio.SetCaption(captions[i]);
        radio.SetChecked(i == 0);
        radio.SetEnabled(i != 2);
    }

    const TBitBtnKind kinds[] = {TBitBtnKind::bkOK, TBitBtnKind::bkCancel, TBitBtnKind::bkClose};
    const char* const bitNames[] = {"btnOK", "btnCancel", "btnClose"};
    for (int i = 0; i < 3; ++i) {
        TBitBtn& bit = b.Make<TBitBtn>(b.Page(), bitNames[i], {344, 8 + 32 * i, 96, 26});
        bit.SetKind(kinds[i]);
        bit.SetEnabled(i != 2);
    }

    const wchar_t* const speedCaptions[] = {L"A", L"B", L"C"};
    const char* const speedNames[] = {"spdA", "spdB", "spdC"};
    for (int i = 0; i < 3; ++i) {
        TSpeedButton& speed = b.Make<TSpeedButton>(b.Page(), speedNames[i], {8 + 30 * i, 136, 28, 28});
        speed.SetCaption(speedCaptions[i]);
        speed.SetGroupIndex(1);
        speed.SetDown(i == 1);
    }
    TSpeedButton& flat = b.Make<TSpeedButton>(b.Page(), "spdFlat", {104, 136, 56, 28});
    flat.SetCaption(L"Flat");
    flat.SetFlat(true);
}

}  // namespace tw::gallery
