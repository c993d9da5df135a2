// The two halves of a pair of scroll arrows (the up-down a tab strip shows when its tabs do not
// fit) and the frame of the skin's 8-frame up-down strip each half is drawn with. Portable.
#pragma once

namespace tw {

// The two halves of a pair of scroll arrows: left and right (horizontal) or upper and lower.
struct TArrowHalves {
    int FirstLeft = 0, FirstTop = 0, FirstRight = 0, FirstBottom = 0;
    int SecondLeft = 0, SecondTop = 0, SecondRight = 0, SecondBottom = 0;
};
TArrowHalves SplitArrows(int width, int height, bool horizontal);

// What an arrow shows: 1 normal, 2 pressed, 3 disabled, 4 hot.
int ArrowState(bool enabled, bool pointerInside, bool pressed);
// Its frame in an 8-frame up-down strip: the first arrow (up or left) 1 to 4, the second 5 to 8.
int ArrowFrame(int state, bool second);

}  // namespace tw
