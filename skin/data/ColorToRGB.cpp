#include "skin/data/SystemInfo.h"

namespace tw {

TColor ColorToRGB(TColor color) { return color < 0 ? SysColor(color & 0xFF) : (color & 0xFFFFFF); }

}  // namespace tw
