#include "framework/win/RadioGroup.h"

#include <algorithm>

namespace tw {

namespace {

// The frame's caption line above the buttons and its edges around them.
constexpr int kCaptionHeight = 16, kEdge = 8, kBottom = 6, kButtonHeight = 20;

}  // namespace

const TClassInfo& TRadioGroup::StaticClassInfo() {
    static const TClassInfo info{
        "TRadioGroup",
        &TCustomGroupBox::StaticClassInfo(),
        {
            IntProp<TRadioGroup>(
                "ItemIndex", [](const TRadioGroup& g) { return g.ItemIndex(); },
                [](TRadioGroup& g, int64_t v) { g.SetItemIndex(static_cast<int>(v)); }),
            IntProp<TRadioGroup>(
                "Columns", [](const TRadioGroup& g) { return g.Columns(); },
                [](TRadioGroup& g, int64_t v) { g.SetColumns(static_cast<int>(v)); }),
            IntProp<TRadioGroup>(
                "ItemCount", [](const TRadioGroup& g) { return g.ButtonCount(); }, [](TRadioGroup&, int64_t) {}),
        }};
    return info;
}

void TRadioGroup::SetItems(std::vector<std::wstring> items) {
    for (TRadioButton* button : buttons_) delete button;
    buttons_.clear();
    items_ = std::move(items);
    for (size_t i = 0; i < items_.size(); ++i) {
        auto* button = new TRadioButton(this);
        button->SetParent(this);
        button->SetCaption(items_[i]);
        const int index = static_cast<int>(i);
        button->OnClick = [this, index](TObject*) {
            if (buttons_.at(static_cast<size_t>(index))->Checked()) SetItemIndex(index);
        };
        buttons_.push_back(button);
    }
    if (itemIndex_ >= ButtonCount()) itemIndex_ = -1;
    SetItemIndex(itemIndex_);
    Arrange();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= ButtonCount()) index = -1;
    const bool changed = index != itemIndex_;
    itemIndex_ = index;
    for (int i = 0; i < ButtonCount(); ++i)
        if (Buttons(i).Checked() != (i == index)) Buttons(i).SetChecked(i == index);
    if (changed) Click();
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    Arrange();
}

void TRadioGroup::BoundsChanged() {
    TCustomGroupBox::BoundsChanged();
    Arrange();
}

void TRadioGroup::Arrange() {
    const int count = ButtonCount();
    if (count == 0) return;
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = std::max(0, (Width() - 2 * kEdge) / columns_);
    const int rowHeight = std::max(kButtonHeight, (Height() - kCaptionHeight - kBottom) / rows);
    for (int i = 0; i < count; ++i) {
        // Items run down the first column, then the next.
        const int column = i / rows, row = i % rows;
        const int top = kCaptionHeight + row * rowHeight + (rowHeight - kButtonHeight) / 2;
        Buttons(i).SetBounds(kEdge + column * columnWidth, top, columnWidth, kButtonHeight);
    }
}

}  // namespace tw
