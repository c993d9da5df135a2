// Page "Spin": up-downs (vertical, horizontal, one stepping an edit), a spin edit, a date
// picker and a status bar with panels, each also disabled.
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

#include "framework/win/DateTimePicker.h"
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
}

}  // namespace tw::gallery
