// Page 3: tab and page controls with their tabs on each of the four sides, a page control whose
// pages close from the boxes on their tabs (Tag 7777), and a disabled one.
#include "framework/win/TabControls.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryPages.h"

#include <string>

namespace tw::gallery {

namespace {

constexpr int kTabWidth = 56;  // fixed, so a driver knows where each tab is

// A page control with three pages, each with a caption label and a button.
TPageControl& Pages(TPageBuilder& b, const char* name, TPlace place, TTabPosition position,
                    const wchar_t* const (&captions)[3]) {
    TPageControl& pages = b.Make<TPageControl>(b.Page(), name, place);
    pages.SetTabPosition(position);
    pages.SetTabWidth(kTabWidth);
    for (int i = 0; i < 3; ++i) {
        const std::string sheetName = std::string(name) + "Sheet" + std::to_string(i + 1);
        TTabSheet& sheet = b.Make<TTabSheet>(pages, sheetName.c_str(), {0, 0, 10, 10});
        sheet.SetCaption(captions[i]);
        sheet.SetPageControl(&pages);
        b.Label(sheet, (sheetName + "Label").c_str(), {8, 8}, std::wstring(L"Page ") + captions[i]);
        b.Button(sheet, (sheetName + "Button").c_str(), {8, 30, 80, 23}, L"Button");
    }
    pages.SetTabIndex(0);
    return pages;
}

}  // namespace

void BuildTabsPage(TPageBuilder& b) {
    static const wchar_t* const plain[3] = {L"One", L"Two", L"三"};
    Pages(b, "pgcTop", {8, 4, 200, 118}, TTabPosition::tpTop, plain);
    Pages(b, "pgcBottom", {216, 4, 200, 118}, TTabPosition::tpBottom, plain);
    TTabControl& tabs = b.Make<TTabControl>(b.Page(), "tabTop", {424, 4, 208, 118});
    tabs.SetTabWidth(kTabWidth);
    tabs.SetTabs({L"Alpha", L"Beta", L"Gamma"});
    b.Label(tabs, "lblTabControl", {12, 40}, L"A tab control");

    Pages(b, "pgcLeft", {8, 128, 200, 180}, TTabPosition::tpLeft, plain);
    Pages(b, "pgcRight", {216, 128, 200, 180}, TTabPosition::tpRight, plain);
    static const wchar_t* const closing[3] = {L"Close", L"Me", L"Too"};
    Pages(b, "pgcClose", {424, 128, 208, 118}, TTabPosition::tpTop, closing).SetTag(7777);
    Pages(b, "pgcDisabled", {424, 254, 208, 118}, TTabPosition::tpBottom, plain).SetEnabled(false);
}

}  // namespace tw::gallery
