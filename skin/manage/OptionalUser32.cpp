#include "skin/manage/OptionalUser32.h"

namespace tw {

namespace {

template <class Fn>
void Lookup(HMODULE module, const char* name, Fn& target) {
    target = module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

TOptionalUser32 LookUpAll() {
    // user32 is mapped for as long as the program has windows: nothing to load or release.
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    TOptionalUser32 table;
    Lookup(user32, "GetScrollBarInfo", table.GetScrollBarInfo);
    Lookup(user32, "TrackMouseEvent", table.TrackMouseEvent);
    Lookup(user32, "GetComboBoxInfo", table.GetComboBoxInfo);
    Lookup(user32, "DisableProcessWindowsGhosting", table.DisableProcessWindowsGhosting);
    return table;
}

}  // namespace

const TOptionalUser32& OptionalUser32() {
    static const TOptionalUser32 table = LookUpAll();
    return table;
}

}  // namespace tw
