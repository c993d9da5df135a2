#include "tests/gallery/GalleryPages.h"

#include <memory>

#include "tests/gallery/FrmGallery.h"

namespace tw::gallery {

const std::vector<TGalleryPage>& GalleryPages() {
    static const std::vector<TGalleryPage> pages = {
        {L"Controls", &BuildControlsPage}, {L"Disabled", &BuildDisabledPage}, {L"Tabs", &BuildTabsPage},
        {L"Bars", &BuildBarsPage},         {L"Spin", &BuildSpinPage},         {L"Buttons", &BuildButtonsPage},
        {L"Tabs 2", &BuildTabs2Page},
    };
    return pages;
}

TComponent& TPageBuilder::Owner() { return form_; }

TGroupBox& TPageBuilder::Group(TWinControl& parent, const char* name, TPlace place, const std::wstring& caption) {
    TGroupBox& group = Make<TGroupBox>(parent, name, place);
    group.SetCaption(caption);
    return group;
}

TButton& TPageBuilder::Button(TWinControl& parent, const char* name, TPlace place, const std::wstring& caption,
                              std::function<void()> onClick) {
    TButton& button = Make<TButton>(parent, name, place);
    button.SetCaption(caption);
    if (onClick) button.OnClick = [onClick](TObject*) { onClick(); };
    return button;
}

TCheckButtonControl& TPageBuilder::Toggle(TWinControl& parent, const char* name, TPlace place, TToggleKind kind,
                                          const std::wstring& caption, bool checked) {
    if (kind == TToggleKind::tkCheckBox) {
        TCheckBox& box = Make<TCheckBox>(parent, name, place);
        box.SetCaption(caption);
        box.SetChecked(checked);
        return box;
    }
    TRadioButton& radio = Make<TRadioButton>(parent, name, place);
    radio.SetCaption(caption);
    radio.SetChecked(checked);
    return radio;
}

TLabel& TPageBuilder::Label(TWinControl& parent, const char* name, TPlace place, const std::wstring& caption) {
    auto* label = new TLabel(&form_);
    label->SetName(name);
    label->SetParent(&parent);
    label->SetLeft(place.Left);
    label->SetTop(place.Top);
    label->SetCaption(caption);
    return *label;
}

TEdit& TPageBuilder::Edit(TWinControl& parent, const char* name, TPlace place, const std::wstring& text) {
    TEdit& edit = Make<TEdit>(parent, name, place);
    edit.SetText(text);
    return edit;
}

TComboBox& TPageBuilder::Combo(TWinControl& parent, const char* name, TPlace place, TComboBoxStyle style,
                               std::vector<std::wstring> items, int selected) {
    TComboBox& combo = Make<TComboBox>(parent, name, place);
    combo.SetStyle(style);  // the window is made later, when shown: its style is fixed then
    combo.SetItems(std::move(items));
    combo.SetItemIndex(selected);
    return combo;
}

TProgressBar& TPageBuilder::Progress(TWinControl& parent, const char* name, TPlace place, int position) {
    TProgressBar& bar = Make<TProgressBar>(parent, name, place);
    bar.SetPosition(position);
    return bar;
}

TPanel& TPageBuilder::Panel(TWinControl& parent, const char* name, TPlace place, TBevelCut bevel,
                            const std::wstring& caption) {
    TPanel& panel = Make<TPanel>(parent, name, place);
    panel.SetBevelOuter(bevel);
    panel.SetCaption(caption);
    return panel;
}

TListView& TPageBuilder::List(TWinControl& parent, const char* name, TPlace place, std::vector<TListColumn> columns,
                              std::vector<std::vector<std::wstring>> rows) {
    TListView& list = Make<TListView>(parent, name, place);
    list.SetViewStyle(TViewStyle::vsReport);
    list.SetGridLines(true);
    list.SetRowSelect(true);
    list.SetReadOnly(true);
    list.SetOwnerData(true);
    list.SetColumns(std::move(columns));
    // The rows live with the handler that hands them out.
    auto table = std::make_shared<const std::vector<std::vector<std::wstring>>>(std::move(rows));
    list.OnData = [table](TObject*, TListItem& item) {
        if (item.Index < 0 || item.Index >= static_cast<int>(table->size())) return;
        const auto& row = (*table)[static_cast<size_t>(item.Index)];
        if (row.empty()) return;
        item.Caption = row[0];
        item.SubItems.assign(row.begin() + 1, row.end());
    };
    list.SetItemCount(static_cast<int>(table->size()));
    return list;
}

}  // namespace tw::gallery
