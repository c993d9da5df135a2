// Tab controls on the system tab control: a plain tab control (TTabControl) and a page control
// (TPageControl) whose tabs show one of its tab sheets (TTabSheet) at a time.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win/StdCtrls.h"

namespace tw {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
// Tabs, or tabs drawn as push buttons (TCS_BUTTONS), or as flat buttons (TCS_FLATBUTTONS too).
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TCustomTabControl(TComponent* owner);

    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition value);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle value);
    // Every tab as wide as this (0: each as wide as its caption).
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int value);
    int TabIndex() const { return tabIndex_; }
    // Selects a tab as a click would (OnChange follows when it changed).
    void SetTabIndex(int index);
    int TabCount() const { return static_cast<int>(tabs_.size()); }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;
    // The selection moved to tabIndex_.
    virtual void Change();
    void SetTabTexts(std::vector<std::wstring> tabs);
    const std::vector<std::wstring>& TabTexts() const { return tabs_; }
    // The rectangle the tabs leave for a page, in client coordinates.
    RECT DisplayRect();

private:
    void InsertItems();

    std::vector<std::wstring> tabs_;
    TTabPosition tabPosition_ = TTabPosition::tpTop;
    TTabStyle style_ = TTabStyle::tsTabs;
    int tabWidth_ = 0;
    int tabIndex_ = -1;
};

class TTabControl : public TCustomTabControl {
    TW_CLASS_INFO()
public:
    using TCustomTabControl::TCustomTabControl;
    void SetTabs(std::vector<std::wstring> tabs) { SetTabTexts(std::move(tabs)); }
    const std::vector<std::wstring>& Tabs() const { return TabTexts(); }
};

class TPageControl;

// One page of a page control; its caption is its tab's.
class TTabSheet : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* control);

protected:
    void Paint(HDC dc) override;
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
};

class TPageControl : public TCustomTabControl {
    TW_CLASS_INFO()
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return Pages(TabIndex()); }
    void SetActivePage(TTabSheet* page);

protected:
    void Change() override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void PageCaptionChanged();
    void PlacePages();

    std::vector<TTabSheet*> pages_;
};

}  // namespace tw
