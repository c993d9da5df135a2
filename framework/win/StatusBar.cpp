#include "framework/win/StatusBar.h"

#include <commctrl.h>

namespace tw {

const TClassInfo& TStatusBar::StaticClassInfo() {
    static const TClassInfo info{"TStatusBar",
                                 &TWinControl::StaticClassInfo(),
                                 {
                                     WStrProp<TStatusBar>(
                                         "PanelTexts", [](const TStatusBar& c) { return c.PanelTexts(); },
                                         [](TStatusBar&, const std::wstring&) {}),
                                     WStrProp<TStatusBar>(
                                         "SimpleText", [](const TStatusBar& c) { return c.SimpleText(); },
                                         [](TStatusBar& c, const std::wstring& v) { c.SetSimpleText(v); }),
                                     BoolProp<TStatusBar>(
                                         "SimplePanel", [](const TStatusBar& c) { return c.SimplePanel(); },
                                         [](TStatusBar& c, bool v) { c.SetSimplePanel(v); }),
                                     BoolProp<TStatusBar>(
                                         "SizeGrip", [](const TStatusBar& c) { return c.SizeGrip(); },
                                         [](TStatusBar& c, bool v) { c.SetSizeGrip(v); }),
                                 }};
    return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
    panels_ = std::move(panels);
    SendPanels();
}

void TStatusBar::SetPanelText(int index, const std::wstring& text) {
    if (index < 0 || index >= static_cast<int>(panels_.size())) return;
    panels_[static_cast<size_t>(index)].Text = text;
    SendPanels();
}

std::wstring TStatusBar::PanelTexts() const {
    std::wstring joined;
    for (size_t i = 0; i < panels_.size(); ++i) joined += (i ? L"|" : L"") + panels_[i].Text;
    return joined;
}

void TStatusBar::SetSimplePanel(bool value) {
    simplePanel_ = value;
    SendPanels();
}

void TStatusBar::SetSimpleText(const std::wstring& text) {
    simpleText_ = text;
    SendPanels();
}

void TStatusBar::SendPanels() {
    if (!HandleAllocated()) return;
    HWND wnd = Handle();
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i].Width;
        edges.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    if (!edges.empty()) SendMessageW(wnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels_.size(); ++i) {
        WPARAM type = static_cast<WPARAM>(i);
        if (panels_[i].Bevel == TStatusPanelBevel::pbNone) type |= SBT_NOBORDERS;
        if (panels_[i].Bevel == TStatusPanelBevel::pbRaised) type |= SBT_POPOUT;
        SendMessageW(wnd, SB_SETTEXTW, type, reinterpret_cast<LPARAM>(panels_[i].Text.c_str()));
    }
    const bool simple = simplePanel_ || panels_.empty();
    SendMessageW(wnd, SB_SIMPLE, simple, 0);
    if (simple) SendMessageW(wnd, SB_SETTEXTW, 255, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    InvalidateRect(wnd, nullptr, TRUE);
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = STATUSCLASSNAMEW;
    // The bar keeps the bounds it was given rather than docking itself to its parent's bottom.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::HandleCreated() {
    TWinControl::HandleCreated();
    SendPanels();
}

}  // namespace tw
