// Classic Windows defaults for builds without a desktop.
#include "skin/data/SystemInfo.h"

namespace tw {

TColor SysColor(int index) {
    static const TColor table[31] = {
        RGBColor(212, 208, 200), RGBColor(58, 110, 165),  RGBColor(10, 36, 106),   RGBColor(128, 128, 128),
        RGBColor(212, 208, 200), RGBColor(255, 255, 255), RGBColor(0, 0, 0),       RGBColor(0, 0, 0),
        RGBColor(0, 0, 0),       RGBColor(255, 255, 255), RGBColor(212, 208, 200), RGBColor(212, 208, 200),
        RGBColor(128, 128, 128), RGBColor(10, 36, 106),   RGBColor(255, 255, 255), RGBColor(212, 208, 200),
        RGBColor(128, 128, 128), RGBColor(128, 128, 128), RGBColor(0, 0, 0),       RGBColor(212, 208, 200),
        RGBColor(255, 255, 255), RGBColor(64, 64, 64),    RGBColor(212, 208, 200), RGBColor(0, 0, 0),
        RGBColor(255, 255, 225), RGBColor(181, 181, 181), RGBColor(0, 0, 128),     RGBColor(166, 202, 240),
        RGBColor(192, 192, 192), RGBColor(49, 106, 197),  RGBColor(236, 233, 216)};
    return index >= 0 && index < 31 ? table[index] : 0;
}

int HScrollArrowWidth() { return 17; }
int SmallIconWidth() { return 16; }
int SmallIconHeight() { return 16; }
int MaximizedWidth() { return 1032; }
int MaximizedHeight() { return 776; }

}  // namespace tw
