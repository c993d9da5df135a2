// The gallery's pages: a table of titles and builder functions, and the helper a builder makes
// its controls with. A new page is one row of the table and its builder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/win/CheckBoxes.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/StdCtrls.h"

namespace tw::gallery {

class TFrmGallery;

enum class TToggleKind { tkCheckBox, tkRadioButton };

// Left, top, width, height in the parent's client area (a label sizes itself: width and height
// are not read).
struct TPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// Makes the controls of one page: each owned by the form, named (for the driver's property
// queries), placed on a parent of the page and given its text.
class TPageBuilder {
public:
    TPageBuilder(TFrmGallery& form, TPanel& page) : form_(form), page_(page) {}

    TFrmGallery& Form() { return form_; }
    TPanel& Page() { return page_; }

    // Any control class a page defines for itself, made, named and placed as the ones below.
    template <class T, class... Extra>
    T& Make(TWinControl& parent, const char* name, TPlace place, Extra... extra);

    TGroupBox& Group(TWinControl& parent, const char* name, TPlace place, const std::wstring& caption);
    TButton& Button(TWinControl& parent, const char* name, TPlace place, const std::wstring& caption,
                    std::function<void()> onClick = {});
    // A framework check box or radio button (radio buttons of one parent form one group).
    TCheckButtonControl& Toggle(TWinControl& parent, const char* name, TPlace place, TToggleKind kind,
                                const std::wstring& caption, bool checked);
    TLabel& Label(TWinControl& parent, const char* name, TPlace place, const std::wstring& caption);
    TEdit& Edit(TWinControl& parent, const char* name, TPlace place, const std::wstring& text);
    TComboBox& Combo(TWinControl& parent, const char* name, TPlace place, TComboBoxStyle style,
                     std::vector<std::wstring> items, int selected);
    TProgressBar& Progress(TWinControl& parent, const char* name, TPlace place, int position);
    TPanel& Panel(TWinControl& parent, const char* name, TPlace place, TBevelCut bevel, const std::wstring& caption);
    // A report-style list of fixed rows (each row: caption, then one text per further column).
    TListView& List(TWinControl& parent, const char* name, TPlace place, std::vector<TListColumn> columns,
                    std::vector<std::vector<std::wstring>> rows);

private:
    // The form, as the owner of what a page makes (the form's class is not known here).
    TComponent& Owner();

    TFrmGallery& form_;
    TPanel& page_;
};

template <class T, class... Extra>
T& TPageBuilder::Make(TWinControl& parent, const char* name, TPlace place, Extra... extra) {
    auto* control = new T(&Owner(), extra...);
    control->SetName(name);
    control->SetParent(&parent);
    control->SetBounds(place.Left, place.Top, place.Width, place.Height);
    return *control;
}

struct TGalleryPage {
    const wchar_t* Title;
    void (*Build)(TPageBuilder& builder);
};

// Every page, in the order of their numbers (page 1 first).
const std::vector<TGalleryPage>& GalleryPages();
inline int GalleryPageCount() { return static_cast<int>(GalleryPages().size()); }

// Page builders, one file each.
void BuildControlsPage(TPageBuilder& builder);
void BuildDisabledPage(TPageBuilder& builder);
void BuildTabsPage(TPageBuilder& builder);
void BuildBarsPage(TPageBuilder& builder);
void BuildSpinPage(TPageBuilder& builder);
void BuildButtonsPage(TPageBuilder& builder);
void BuildTabs2Page(TPageBuilder& builder);

}  // namespace tw::gallery
