// TTabSet: a strip of tabs hanging from its top edge, drawn by the control itself (no system
// tab control), with a pair of scroll arrows (TTabScroller, its first owned component) that
// shows when the tabs do not all fit and moves the first tab shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/TabSetLayout.h"
#include "framework/win/StdCtrls.h"

namespace tw {

class TTabSet;

// The tab set's scroll arrows: a horizontal up-down whose position is the first tab shown.
class TTabScroller : public TWinControl {
    TW_CLASS_INFO()
public:
    TTabScroller(TComponent* owner, TTabSet& tabSet);
    // Positions 0 to last.
    void SetLastPosition(int last);
    void SetPosition(int position);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    TTabSet& tabSet_;
    int last_ = 0, position_ = 0;
};

class TTabSet : public TCustomControl {
    TW_CLASS_INFO()
public:
    explicit TTabSet(TComponent* owner);

    void SetTabs(std::vector<std::wstring> tabs);
    const std::vector<std::wstring>& Tabs() const { return tabs_; }
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    int TabIndex() const { return tabIndex_; }
    // Selects a tab as a click would; OnChange follows when it changed.
    void SetTabIndex(int index);
    // The first tab shown at the start margin (the scroll arrows move it).
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int index);
    int StartMargin() const { return startMargin_; }
    int EndMargin() const { return endMargin_; }
    TTabScroller& Scroller() { return *scroller_; }
    bool ArrowsShown() const { return arrowsShown_; }

    // The tabs as laid out on the control's font, for painting, hit tests and its skinner.
    std::vector<TTabSetTab> Layout();
    // "index:left-right" of every tab laid out, blank-separated.
    std::string LayoutText();

    TNotifyEvent OnChange;

protected:
    void Paint(HDC dc) override;
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;
    void FontChanged() override;

private:
    std::vector<int> CaptionWidths();
    TTabSetRoom Room() const;
    // Shows the arrows when the tabs need them and keeps them at the right end.
    void PlaceScroller();

    std::vector<std::wstring> tabs_;
    int tabIndex_ = -1;
    int firstIndex_ = 0;
    int startMargin_ = 5, endMargin_ = 5;
    bool arrowsShown_ = false;
    TTabScroller* scroller_ = nullptr;  // owned as a component
};

}  // namespace tw
