// Where the tabs of a tab set lie along its strip and which tab a click picks; the tab set
// control and its skinner lay them out alike. Portable.
#pragma once

#include <vector>

namespace tw {

// A tab is its caption's width plus this; with the scroll arrows shown a tab must leave this
// much more room at the end.
constexpr int kTabSetPadding = 9;
constexpr int kTabSetArrowRoom = 12;

// The strip a tab set lays its tabs in.
struct TTabSetRoom {
    int Width = 0;        // the window's width
    int StartMargin = 0;  // before the first tab
    int EndMargin = 0;    // kept free at the right end
    bool ArrowsShown = false;
};

struct TTabSetTab {
    int Index = 0;  // into the tab set's list
    int Left = 0, Right = 0;
};

// The tabs drawn, from firstIndex on: a tab that does not fit what is left is skipped without
// taking room, so a narrower later tab may still be drawn.
std::vector<TTabSetTab> LayTabSet(const std::vector<int>& captionWidths, int firstIndex, const TTabSetRoom& room);

// The tab under x, or -1.
int TabSetTabAt(const std::vector<TTabSetTab>& tabs, int x);

// Whether the tabs need the scroll arrows: some tab is left out with the arrows hidden, or the
// strip does not start at the first tab.
bool TabSetNeedsArrows(const std::vector<int>& captionWidths, int firstIndex, const TTabSetRoom& room);

}  // namespace tw
