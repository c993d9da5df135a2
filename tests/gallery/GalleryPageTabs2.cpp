// Page 7: tabs drawn as buttons and as flat buttons, a tab control whose tabs overflow (the
// scroll arrows show), a tab set with more tabs than fit, a stand-alone header, disabled ones,
// and a page control that is handed its tab backgrounds, with more pages than fit.
#include <string>

#include "framework/win/BackdropPageControl.h"
#include "framework/win/HeaderControl.h"
#include "framework/win/TabControls.h"
#include "framework/win/TabSet.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

namespace tw::gallery {

namespace {

TTabControl& Tabs(TPageBuilder& b, const char* name, TPlace place, TTabStyle style,
                  std::vector<std::wstring> captions) {
    TTabControl& tabs = b.Make<TTabControl>(b.Page(), name, place);
    tabs.SetStyle(style);
    tabs.SetTabs(std::move(captions));
    return tabs;
}

}  // namespace

void BuildTabs2Page(TPageBuilder& b) {
    Tabs(b, "tabButtons", {8, 4, 300, 60}, TTabStyle::tsButtons, {L"One", L"Two", L"Three"});
    Tabs(b, "tabFlat", {316, 4, 300, 60}, TTabStyle::tsFlatButtons, {L"Flat", L"Buttons", L"Here"});
    Tabs(b, "tabButtonsOff", {8, 70, 300, 60}, TTabStyle::tsButtons, {L"Off", L"Too"}).SetEnabled(false);
    Tabs(b, "tabOverflow", {316, 70, 200, 90}, TTabStyle::tsTabs,
         {L"January", L"February", L"March", L"April", L"May", L"June"});

    TTabSet& set = b.Make<TTabSet>(b.Page(), "tbsSheets", {8, 170, 300, 22});
    set.SetTabs({L"Sheet1", L"Sheet2", L"Sheet3"});
    TTabSet& many = b.Make<TTabSet>(b.Page(), "tbsMany", {8, 200, 200, 22});
    many.SetTabs({L"Alpha", L"Beta", L"Gamma", L"Delta", L"Epsilon", L"Zeta"});

    THeaderControl& header = b.Make<THeaderControl>(b.Page(), "hdrSections", {8, 240, 400, 24});
    header.SetSections({{L"Name", 150, TAlignment::taLeftJustify},
                        {L"Size", 80, TAlignment::taRightJustify},
                        {L"Kind", 100, TAlignment::taCenter}});

    TBackdropPageControl& backdrop = b.Make<TBackdropPageControl>(b.Page(), "pgcBackdrop", {8, 272, 300, 100});
    const wchar_t* const captions[] = {L"Backdrop", L"Pages", L"Handed", L"Their", L"Tabs", L"Seven", L"Eight"};
    for (int i = 0; i < 7; ++i) {
        const std::string name = "pgcBackdropSheet" + std::to_string(i + 1);
        TTabSheet& sheet = b.Make<TTabSheet>(backdrop, name.c_str(), {0, 0, 10, 10});
        sheet.SetCaption(captions[i]);
        sheet.SetPageControl(&backdrop);
        b.Label(sheet, (name + "Label").c_str(), {8, 8}, std::wstring(L"Page ") + captions[i]);
    }
    backdrop.SetTabIndex(0);
}

}  // namespace tw::gallery
