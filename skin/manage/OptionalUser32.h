// OptionalUser32: the user32 functions that not every system has, looked up by name once; a
// missing one is null and its callers do without it.
#pragma once

#include <windows.h>

namespace tw {

struct TOptionalUser32 {
    using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
    using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
    using DisableProcessWindowsGhostingFn = void(WINAPI*)();

    GetScrollBarInfoFn GetScrollBarInfo = nullptr;
    TrackMouseEventFn TrackMouseEvent = nullptr;
    GetComboBoxInfoFn GetComboBoxInfo = nullptr;
    DisableProcessWindowsGhostingFn DisableProcessWindowsGhosting = nullptr;
};

// The table, filled at the first call.
const TOptionalUser32& OptionalUser32();

}  // namespace tw
