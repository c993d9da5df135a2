#include "framework/core/TabSetLayout.h"

#include <algorithm>

namespace tw {

std::vector<TTabSetTab> LayTabSet(const std::vector<int>& captionWidths, int firstIndex, const TTabSetRoom& room) {
    std::vector<TTabSetTab> tabs;
    const int usable = room.Width - room.EndMargin;
    const int reserve = kTabSetPadding + (room.ArrowsShown ? kTabSetArrowRoom : 0);
    int x = room.StartMargin;
    for (int i = std::max(0, firstIndex); i < static_cast<int>(captionWidths.size()); ++i) {
        const int caption = std::max(0, captionWidths[static_cast<size_t>(i)]);
        if (x + caption + reserve > usable) continue;
        tabs.push_back(TTabSetTab{i, x, x + caption + kTabSetPadding});
        x += caption + kTabSetPadding;
    }
    return tabs;
}

int TabSetTabAt(const std::vector<TTabSetTab>& tabs, int x) {
    for (const TTabSetTab& tab : tabs)
        if (x >= tab.Left && x < tab.Right) return tab.Index;
    return -1;
}

int TabSetLastFirstIndex(const std::vector<int>& captionWidths, const TTabSetRoom& room) {
    const int count = static_cast<int>(captionWidths.size());
    TTabSetRoom shown = room;
    shown.ArrowsShown = true;
    for (int first = 0; first < count; ++first)
        if (static_cast<int>(LayTabSet(captionWidths, first, shown).size()) == count - first) return first;
    return std::max(0, count - 1);
}

bool TabSetNeedsArrows(const std::vector<int>& captionWidths, int firstIndex, const TTabSetRoom& room) {
    if (firstIndex > 0) return true;
    TTabSetRoom hidden = room;
    hidden.ArrowsShown = false;
    return LayTabSet(captionWidths, 0, hidden).size() < captionWidths.size();
}

}  // namespace tw
