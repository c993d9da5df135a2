#include "skin/data/SystemInfo.h"

namespace tw {

TColor ResolveColor(TColor color) {
    return IsSystemColor(color) ? SysColor(static_cast<int>(color & 0xFF)) : (color & 0xFFFFFF);
}

}  // namespace tw
