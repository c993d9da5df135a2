// TDateTimePicker: the system's date picker in drop-down style (its arrow opens a calendar).
#pragma once

#include <windows.h>

#include <string>

#include "framework/win/Control.h"

namespace tw {

class TDateTimePicker : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TDateTimePicker(TComponent* owner);

    // The date shown, as the window formats it (empty while there is no window).
    std::wstring DateText() const;
    // True while the calendar is open.
    bool DroppedDown() const;

protected:
    void CreateParams(TCreateParams& params) override;
};

}  // namespace tw
