// Where the tabs of a tab set lie along its strip and which tab a click picks; the tab set
// control and its skinner lay them out alike. Portable.
#pragma once

#include <vector>

namespace tw {

// A tab is its caption's width plus this.
constexpr int kTabSetPadding = 9;
// The scroll arrows' size at the right end of the strip (less the end margin).
constexpr int kTabScrollerWidth = 32, kTabScrollerHeight = 16;
// The selected tab is drawn this much wider on each side, over its neighbours.
constexpr int kTabSetSelectedSpread = 2;
// With the arrows shown every tab, the selected one spread too, ends left of them.
constexpr int kTabSetArrowRoom = kTabScrollerWidth + kTabSetSelectedSpread + 1;

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

// The last first index the arrows scroll to: the first from which every later tab is laid with
// the arrows shown (so the last tab shows whole), or the last tab when no such index exists.
int TabSetLastFirstIndex(const std::vector<int>& captionWidths, const TTabSetRoom& room);

// Whether the tabs need the scroll arrows: some tab is left out with the arrows hidden, or the
// strip does not start at the first tab.
bool TabSetNeedsArrows(const std::vector<int>& captionWidths, int firstIndex, const TTabSetRoom& room);

}  // namespace tw
