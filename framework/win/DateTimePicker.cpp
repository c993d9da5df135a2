#include "framework/win/DateTimePicker.h"

#include <commctrl.h>

namespace tw {

const TClassInfo& TDateTimePicker::StaticClassInfo() {
    static const TClassInfo info{
        "TDateTimePicker",
        &TWinControl::StaticClassInfo(),
        {
            WStrProp<TDateTimePicker>(
                "DateText", [](const TDateTimePicker& c) { return c.DateText(); },
                [](TDateTimePicker&, const std::wstring&) {}),
            BoolProp<TDateTimePicker>(
                "DroppedDown", [](const TDateTimePicker& c) { return c.DroppedDown(); }, [](TDateTimePicker&, bool) {}),
        }};
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    color_ = clWindow;  // the field is a text field: the picker asks its parent for this colour
    SetTabStop(true);
    // The date classes are not among those the application registers for every program.
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
}

std::wstring TDateTimePicker::DateText() const {
    if (!HandleAllocated()) return {};
    HWND wnd = const_cast<TDateTimePicker*>(this)->Handle();
    wchar_t text[64] = {};
    GetWindowTextW(wnd, text, 64);
    return text;
}

bool TDateTimePicker::DroppedDown() const {
    if (!HandleAllocated()) return false;
    HWND wnd = const_cast<TDateTimePicker*>(this)->Handle();
    return SendMessageW(wnd, DTM_GETMONTHCAL, 0, 0) != 0;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = DATETIMEPICK_CLASSW;
    params.Style |= DTS_SHORTDATEFORMAT | WS_CLIPCHILDREN;
}

}  // namespace tw
