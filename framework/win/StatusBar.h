// TStatusBar: the system's status bar with panels of text and width, or one simple text, and
// an optional size grip.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/Control.h"

namespace tw {

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TPanelAlignment { paLeft, paRight, paCenter };

struct TStatusPanel {
    std::wstring Text;
    int Width = 50;
    TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
    TPanelAlignment Alignment = TPanelAlignment::paLeft;
};

class TStatusBar : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TStatusBar(TComponent* owner);

    const std::vector<TStatusPanel>& Panels() const { return panels_; }
    void SetPanels(std::vector<TStatusPanel> panels);
    void SetPanelText(int index, const std::wstring& text);
    // The panels' texts joined by '|', as a driver reads them.
    std::wstring PanelTexts() const;
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool value);
    const std::wstring& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::wstring& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool value) { sizeGrip_ = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    void SendPanels();
    std::vector<TStatusPanel> panels_;
    bool simplePanel_ = false, sizeGrip_ = true;
    std::wstring simpleText_;
};

}  // namespace tw
