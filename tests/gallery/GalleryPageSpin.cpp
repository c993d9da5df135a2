// Page "Spin": up-downs (vertical, horizontal, one stepping an edit), spin edits, date pickers,
// status bars with panels and simple text, each also disabled, and two media players: one with
// every button (some coloured, some disabled) and one with a few, whose clicks a label counts.
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

#include <memory>
#include <string>

#include "framework/win/DateTimePicker.h"
#include "framework/win/MediaPlayer.h"
#include "framework/win/SpinEdit.h"
#include "framework/win/StatusBar.h"
#include "framework/win/UpDown.h"

namespace tw::gallery {

void BuildSpinPage(TPageBuilder& b) {
    TPanel& page = b.Page();

    TGroupBox& arrows = b.Group(page, "grpUpDown", {8, 4, 304, 120}, L"Up-down arrows");
    b.Label(arrows, "lblBuddy", {12, 26}, L"Count 数");
    TEdit& buddy = b.Edit(arrows, "edtBuddy", {100, 22, 80, 21}, L"5");
    TUpDown& stepper = b.Make<TUpDown>(arrows, "udBuddy", {180, 22, 17, 21});
    stepper.SetMin(0);
    stepper.SetMax(99);
    stepper.SetPosition(5);
    stepper.SetAssociate(&buddy);
    b.Make<TUpDown>(arrows, "udVertical", {12, 54, 17, 40});
    b.Make<TUpDown>(arrows, "udVerticalOff", {40, 54, 17, 40}).SetEnabled(false);
    TUpDown& across = b.Make<TUpDown>(arrows, "udHorizontal", {100, 62, 40, 20});
    across.SetOrientation(TUDOrientation::udHorizontal);
    TUpDown& acrossOff = b.Make<TUpDown>(arrows, "udHorizontalOff", {150, 62, 40, 20});
    acrossOff.SetOrientation(TUDOrientation::udHorizontal);
    acrossOff.SetEnabled(false);

    TGroupBox& dates = b.Group(page, "grpDates", {320, 4, 312, 120}, L"Date pickers");
    b.Make<TDateTimePicker>(dates, "dtpDate", {12, 24, 180, 22});
    b.Make<TDateTimePicker>(dates, "dtpDateOff", {12, 56, 180, 22}).SetEnabled(false);

    TStatusBar& status = b.Make<TStatusBar>(page, "sbrPanels", {8, 140, 624, 22});
    status.SetPanels({{L"Ready 就绪", 160, TStatusPanelBevel::pbLowered, TPanelAlignment::paLeft},
                      {L"3 files", 120, TStatusPanelBevel::pbRaised, TPanelAlignment::paCenter},
                      {L"00:42:17", 120, TStatusPanelBevel::pbNone, TPanelAlignment::paRight},
                      {L"Converting", 100, TStatusPanelBevel::pbLowered, TPanelAlignment::paLeft}});
    TStatusBar& simple = b.Make<TStatusBar>(page, "sbrSimple", {8, 172, 624, 22});
    simple.SetSizeGrip(false);
    simple.SetSimpleText(L"A simple status text 简单");
    simple.SetSimplePanel(true);

    TGroupBox& spins = b.Group(page, "grpSpinEdit", {8, 204, 200, 90}, L"Spin edits");
    TSpinEdit& spin = b.Make<TSpinEdit>(spins, "spnCount", {12, 24, 90, 22});
    spin.SetMinValue(0);
    spin.SetMaxValue(50);
    spin.SetIncrement(5);
    spin.SetValue(10);
    TSpinEdit& spinOff = b.Make<TSpinEdit>(spins, "spnCountOff", {12, 56, 90, 22});
    spinOff.SetValue(3);
    spinOff.SetEnabled(false);

    TGroupBox& players = b.Group(page, "grpPlayers", {216, 204, 416, 130}, L"Media players");
    TLabel& clicks = b.Label(players, "lblPlayerClicks", {12, 104}, L"No click yet");
    auto count = std::make_shared<int>(0);
    auto report = [&clicks, count](TObject*, TMPBtnType button) {
        clicks.SetCaption(WideFromUtf8(PlayerButtonName(button)) + L" " + std::to_wstring(++*count));
    };
    // Every button; play, pause and stop coloured; record and eject disabled.
    TMediaPlayer& full = b.Make<TMediaPlayer>(players, "mpFull", {12, 24, 351, 30});
    full.SetColoredButtons((1u << btPlay) | (1u << btPause) | (1u << btStop));
    full.SetEnabledButtons(kAllPlayerButtons & ~((1u << btRecord) | (1u << btEject)));
    full.OnClick = report;
    // Play, stop and eject only; eject disabled, play coloured.
    TMediaPlayer& few = b.Make<TMediaPlayer>(players, "mpFew", {12, 64, 120, 30});
    few.SetVisibleButtons((1u << btPlay) | (1u << btStop) | (1u << btEject));
    few.SetEnabledButtons((1u << btPlay) | (1u << btStop));
    few.SetColoredButtons(1u << btPlay);
    few.OnClick = report;
}

}  // namespace tw::gallery
