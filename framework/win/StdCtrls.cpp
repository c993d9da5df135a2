#include "framework/win/StdCtrls.h"

#include "framework/win/FitText.h"
#include "framework/win/Handles.h"

namespace tw {

void DrawControlText(HDC dc, TFont& font, bool enabled, const std::wstring& text, RECT rect, UINT format,
                     const TEdgeColours* edgeColours) {
    const TSelection selectFont = Select(dc, font.Handle());
    int oldMode = SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, ColorToRGB(font.Color()));
        DrawFitText(dc, text, rect, format);
    } else {
        // Disabled text: the classic engraved look, highlight under shadow.
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, edgeColours ? edgeColours->Light : GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawFitText(dc, text, shifted, format);
        SetTextColor(dc, edgeColours ? edgeColours->Shadow : GetSysColor(COLOR_BTNSHADOW));
        DrawFitText(dc, text, rect, format);
    }
    SetBkMode(dc, oldMode);
}

// ---------------------------------------------------------------- TCustomControl

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info{"TCustomControl", &TWinControl::StaticClassInfo(), {}};
    return info;
}

void TCustomControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        if (message.WParam) {
            HDC dc = reinterpret_cast<HDC>(message.WParam);
            Paint(dc);
            PaintControls(dc);
        } else {
            TPaintDC dc(Handle());
            Paint(dc.Get());
            PaintControls(dc.Get());
        }
        return;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TLabel

const TClassInfo& TCustomLabel::StaticClassInfo() {
    static const TClassInfo info{
        "TCustomLabel",
        &TGraphicControl::StaticClassInfo(),
        {
            BoolProp<TCustomLabel>(
                "Transparent", [](const TCustomLabel& c) { return c.Transparent(); },
                [](TCustomLabel& c, bool v) { c.SetTransparent(v); }),
            BoolProp<TCustomLabel>(
                "AutoSize", [](const TCustomLabel& c) { return c.AutoSize(); },
                [](TCustomLabel& c, bool v) { c.SetAutoSize(v); }),
            EnumProp<TCustomLabel>(
                "Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                [](const TCustomLabel& c) { return static_cast<int>(c.Alignment()); },
                [](TCustomLabel& c, int64_t v) { c.SetAlignment(static_cast<TAlignment>(v)); }),
        }};
    return info;
}

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info{"TLabel", &TCustomLabel::StaticClassInfo(), {}};
    return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) { parentColor_ = true; }

void TCustomLabel::SetTransparent(bool value) {
    transparent_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    AdjustSize();
}

void TCustomLabel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::FontChanged() {
    AdjustSize();
    TGraphicControl::FontChanged();
}

void TCustomLabel::AdjustSize() {
    if (!autoSize_) return;
    RECT r{0, 0, 0, 0};
    {
        const TWindowDC screen = ClientDC(nullptr);
        const TSelection selectFont = Select(screen.Get(), font_.Handle());
        std::wstring text = caption_.empty() ? L" " : caption_;
        DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    SetBounds(left_, top_, r.right, r.bottom);
}

void TCustomLabel::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    // A label in its parent's colour lets through what the parent painted under it (a skinned
    // face, an image), which a fill in the same colour would hide.
    if (!transparent_ && !parentColor_) {
        SetBkColor(dc, ColorToRGB(color_));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    }
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_TOP;
    if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
    if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
    DrawControlText(dc, font_, EffectivelyEnabled(), caption_, r, format, EdgeColours());
}

// ---------------------------------------------------------------- TButton

const TClassInfo& TButtonControl::StaticClassInfo() {
    static const TClassInfo info{"TButtonControl", &TWinControl::StaticClassInfo(), {}};
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo info{"TButton", &TButtonControl::StaticClassInfo(), {}};
    return info;
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = L"BUTTON";
    params.Style |= BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TButtonControl::WndProc(message);
}

// ---------------------------------------------------------------- TEdit

const TClassInfo& TCustomEdit::StaticClassInfo() {
    static const TClassInfo info{
        "TCustomEdit",
        &TWinControl::StaticClassInfo(),
        {
            BoolProp<TCustomEdit>(
                "ReadOnly", [](const TCustomEdit& c) { return c.ReadOnly(); },
                [](TCustomEdit& c, bool v) { c.SetReadOnly(v); }),
            EnumProp<TCustomEdit>(
                "BorderStyle", {"bsNone", "bsSingle"},
                [](const TCustomEdit& c) { return static_cast<int>(c.BorderStyle()); },
                [](TCustomEdit& c, int64_t v) { c.SetBorderStyle(static_cast<TBorderStyle>(v)); }),
            WStrProp<TCustomEdit>(
                "Text", [](const TCustomEdit& c) { return c.Caption(); },
                [](TCustomEdit& c, const std::wstring& v) { c.SetCaption(v); }),
        }};
    return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info{"TEdit", &TCustomEdit::StaticClassInfo(), {}};
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    color_ = clWindow;
}

void TCustomEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | ES_LEFT;
    if (readOnly_) params.Style |= ES_READONLY;
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::TextChanged() {
    if (HandleAllocated() && !syncing_) SetWindowTextW(Handle(), caption_.c_str());
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        // Typing changes the window text: keep the property in step.
        int length = GetWindowTextLengthW(Handle());
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        GetWindowTextW(Handle(), text.data(), length + 1);
        text.resize(static_cast<size_t>(length));
        syncing_ = true;
        SetCaption(text);
        syncing_ = false;
        return;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TComboBox

const TClassInfo& TCustomComboBox::StaticClassInfo() {
    static const TClassInfo info{
        "TCustomComboBox",
        &TWinControl::StaticClassInfo(),
        {
            IntProp<TCustomComboBox>(
                "ItemIndex", [](const TCustomComboBox& c) { return c.ItemIndex(); },
                [](TCustomComboBox& c, int64_t v) { c.SetItemIndex(static_cast<int>(v)); }),
            WStrProp<TCustomComboBox>(
                "Text", [](const TCustomComboBox& c) { return c.SelectedText(); },
                [](TCustomComboBox&, const std::wstring&) {}),
            EnumProp<TCustomComboBox>(
                "Style", {"csDropDown", "csSimple", "csDropDownList"},
                [](const TCustomComboBox& c) { return static_cast<int>(c.Style()); },
                [](TCustomComboBox& c, int64_t v) { c.SetStyle(static_cast<TComboBoxStyle>(v)); }),
        }};
    return info;
}

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info{"TComboBox", &TCustomComboBox::StaticClassInfo(), {}};
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    color_ = clWindow;
}

void TCustomComboBox::SetItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
        for (const auto& s : items_) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    }
}

int TCustomComboBox::ItemIndex() const {
    if (HandleAllocated())
        return static_cast<int>(SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring TCustomComboBox::SelectedText() const {
    int index = ItemIndex();
    return index >= 0 && index < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(index)] : std::wstring();
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    params.Style |= style_ == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST
                    : style_ == TComboBoxStyle::csSimple     ? CBS_SIMPLE
                                                             : CBS_DROPDOWN;
    // The window height includes the drop-down list; the closed height follows the font.
    params.Height = height_ + 200;
}

void TCustomComboBox::HandleCreated() {
    TWinControl::HandleCreated();
    for (const auto& s : items_) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    RECT r;
    GetWindowRect(Handle(), &r);
    height_ = r.bottom - r.top;
}

void TCustomComboBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == CBN_SELCHANGE) {
        itemIndex_ = ItemIndex();
        if (OnChange) OnChange(this);
        return;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TGroupBox

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
    static const TClassInfo info{"TCustomGroupBox", &TCustomControl::StaticClassInfo(), {}};
    return info;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo info{"TGroupBox", &TCustomGroupBox::StaticClassInfo(), {}};
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) { parentColor_ = true; }

void TCustomGroupBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CONTROLPARENT;
    params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TCustomGroupBox::Paint(HDC dc) {
    const TSelection selectFont = Select(dc, font_.Handle());
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame{0, tm.tmHeight / 2, width_, height_};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!caption_.empty()) {
        SIZE extent;
        GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &extent);
        RECT text{8, 0, 8 + extent.cx + 4, tm.tmHeight};
        SetBkColor(dc, ColorToRGB(color_));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &text, nullptr, 0, nullptr);
        text.left += 2;
        DrawControlText(dc, font_, EffectivelyEnabled(), caption_, text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP,
                        EdgeColours());
    }
}

// ---------------------------------------------------------------- TPanel

const TClassInfo& TCustomPanel::StaticClassInfo() {
    static const TClassInfo info{
        "TCustomPanel",
        &TCustomControl::StaticClassInfo(),
        {
            EnumProp<TCustomPanel>(
                "BevelOuter", {"bvNone", "bvLowered", "bvRaised"},
                [](const TCustomPanel& c) { return static_cast<int>(c.BevelOuter()); },
                [](TCustomPanel& c, int64_t v) { c.SetBevelOuter(static_cast<TBevelCut>(v)); }),
            EnumProp<TCustomPanel>(
                "BevelInner", {"bvNone", "bvLowered", "bvRaised"},
                [](const TCustomPanel& c) { return static_cast<int>(c.BevelInner()); },
                [](TCustomPanel& c, int64_t v) { c.SetBevelInner(static_cast<TBevelCut>(v)); }),
            BoolProp<TCustomPanel>(
                "ParentBackground", [](const TCustomPanel& c) { return c.ParentBackground(); },
                [](TCustomPanel& c, bool v) { c.SetParentBackground(v); }),
        }};
    return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info{"TPanel", &TCustomPanel::StaticClassInfo(), {}};
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) { parentColor_ = true; }

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    bevelOuter_ = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    bevelInner_ = value;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CONTROLPARENT;
    params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TCustomPanel::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    const TEdgeColours* colours = EdgeColours();
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone) return;
        if (!colours) {
            DrawEdge(dc, &r, cut == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            return;
        }
        // One pixel lit and one shaded side, as the system's single bevel, in the given colours.
        const bool raised = cut == TBevelCut::bvRaised;
        const COLORREF topLeft = raised ? colours->Light : colours->Shadow;
        const COLORREF bottomRight = raised ? colours->Shadow : colours->Light;
        auto line = [dc](int left, int top, int right, int bottom, COLORREF colour) {
            const RECT edge{left, top, right, bottom};
            SetBkColor(dc, colour);
            ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &edge, nullptr, 0, nullptr);
        };
        line(r.left, r.top, r.right, r.top + 1, topLeft);
        line(r.left, r.top, r.left + 1, r.bottom, topLeft);
        line(r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
        line(r.right - 1, r.top, r.right, r.bottom, bottomRight);
        InflateRect(&r, -1, -1);
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    if (!caption_.empty())
        DrawControlText(dc, font_, EffectivelyEnabled(), caption_, r,
                        DT_SINGLELINE | DT_NOPREFIX | DT_CENTER | DT_VCENTER, EdgeColours());
}

}  // namespace tw
