#include "skin/controls/ArrowHalves.h"

#include <algorithm>

namespace tw {

TArrowHalves SplitArrows(int width, int height, bool horizontal) {
    TArrowHalves h;
    if (horizontal) {
        const int half = width / 2;
        h = {0, 0, half, height, half, 0, width, height};
    } else {
        const int half = height / 2;
        h = {0, 0, width, half, 0, half, width, height};
    }
    return h;
}

int ArrowState(bool enabled, bool pointerInside, bool pressed) {
    if (!enabled) return 3;
    if (!pointerInside) return 1;
    return pressed ? 2 : 4;
}

int ArrowFrame(int state, bool second) { return std::clamp(state, 1, 4) + (second ? 4 : 0); }

}  // namespace tw
