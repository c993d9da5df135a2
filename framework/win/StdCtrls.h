// Standard controls: TCustomControl (windowed, painted by us), TLabel, TButton, TEdit,
// TComboBox, TGroupBox and TPanel.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/Control.h"

namespace tw {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };

// A windowed control of our own class that paints itself, then its windowless children.
class TCustomControl : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

protected:
    void WndProc(TMessage& message) override;
    virtual void Paint(HDC dc) = 0;
};

class TCustomLabel : public TGraphicControl {
    TW_CLASS_INFO()
public:
    explicit TCustomLabel(TComponent* owner);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

protected:
    void Paint(HDC dc) override;
    void TextChanged() override { AdjustSize(); }
    void FontChanged() override;

private:
    void AdjustSize();
    bool transparent_ = false;
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TLabel : public TCustomLabel {
    TW_CLASS_INFO()
public:
    using TCustomLabel::TCustomLabel;
};

class TButtonControl : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TButtonControl(TComponent* owner);
};

class TButton : public TButtonControl {
    TW_CLASS_INFO()
public:
    using TButtonControl::TButtonControl;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

class TCustomEdit : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TCustomEdit(TComponent* owner);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value) { borderStyle_ = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void TextChanged() override;

private:
    bool readOnly_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool syncing_ = false;
};

class TEdit : public TCustomEdit {
    TW_CLASS_INFO()
public:
    using TCustomEdit::TCustomEdit;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TCustomComboBox(TComponent* owner);

    const std::vector<std::wstring>& Items() const { return items_; }
    void SetItems(std::vector<std::wstring> items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The text shown: the selected item for a drop-down list.
    std::wstring SelectedText() const;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style) { style_ = style; }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
};

class TComboBox : public TCustomComboBox {
    TW_CLASS_INFO()
public:
    using TCustomComboBox::TCustomComboBox;
};

class TCustomGroupBox : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TCustomGroupBox(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(HDC dc) override;
};

class TGroupBox : public TCustomGroupBox {
    TW_CLASS_INFO()
public:
    using TCustomGroupBox::TCustomGroupBox;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool value) { parentBackground_ = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(HDC dc) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    bool parentBackground_ = true;
};

class TPanel : public TCustomPanel {
    TW_CLASS_INFO()
public:
    using TCustomPanel::TCustomPanel;
};

// Draws text in a control's font and colour; the one text routine of the standard controls.
// edgeColours: the colours of disabled text (null: the system's).
void DrawControlText(HDC dc, TFont& font, bool enabled, const std::wstring& text, RECT rect, UINT format,
                     const TEdgeColours* edgeColours = nullptr);

}  // namespace tw
