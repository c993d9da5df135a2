// Live system colours and metrics.
#include <windows.h>

#include "skin/data/SystemInfo.h"

namespace tw {

TColor SysColor(int index) { return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF); }

int HScrollArrowWidth() { return GetSystemMetrics(SM_CXHSCROLL); }
int SmallIconWidth() { return GetSystemMetrics(SM_CXSMICON); }
int SmallIconHeight() { return GetSystemMetrics(SM_CYSMICON); }
int MaximizedWidth() { return GetSystemMetrics(SM_CXMAXIMIZED); }
int MaximizedHeight() { return GetSystemMetrics(SM_CYMAXIMIZED); }

}  // namespace tw
