// TRadioGroup: a captioned frame of radio buttons, one per item, laid out in Columns columns;
// ItemIndex is the checked one (-1: none) and a click on a button makes it the checked one.
#pragma once

#include <string>
#include <vector>

#include "framework/win/CheckBoxes.h"

namespace tw {

class TRadioGroup : public TCustomGroupBox {
    TW_CLASS_INFO()
public:
    using TCustomGroupBox::TCustomGroupBox;

    // One radio button per item, made anew (the checked one is kept when it still exists).
    void SetItems(std::vector<std::wstring> items);
    const std::vector<std::wstring>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TRadioButton& Buttons(int index) const { return *buttons_.at(static_cast<size_t>(index)); }

protected:
    void BoundsChanged() override;

private:
    void Arrange();

    std::vector<std::wstring> items_;
    std::vector<TRadioButton*> buttons_;  // owned as components of the group
    int itemIndex_ = -1;
    int columns_ = 1;
};

}  // namespace tw
