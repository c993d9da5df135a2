// TScrollBar: the system's scroll bar control as a framework control, with its kind, range,
// position and page published by name and its scroll requests turned into position changes.
#pragma once

#include <algorithm>
#include <functional>

#include "framework/win/Control.h"

namespace tw {

enum class TScrollBarKind { sbHorizontal, sbVertical };
// The scroll requests, in the order of the system's codes (SB_LINEUP ... SB_ENDSCROLL).
enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

// A request and the position it leads to, which the handler may change.
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& position)>;

class TScrollBar : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int PageSize() const { return pageSize_; }
    void SetMin(int value) { SetParams(position_, value, std::max(value, max_)); }
    void SetMax(int value) { SetParams(position_, std::min(min_, value), value); }
    // Kept between Min and the last position a whole page still fits (Max - PageSize + 1).
    void SetPosition(int value);
    void SetPageSize(int value);
    void SetParams(int position, int min, int max);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    int LastPosition() const;
    void SendInfo();
    void Scroll(int code);

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
    int smallChange_ = 1, largeChange_ = 1;
};

}  // namespace tw
