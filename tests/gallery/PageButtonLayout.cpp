#include "tests/gallery/PageButtonLayout.h"

#include <algorithm>

namespace tw::gallery {

namespace {

constexpr int kMargin = 8, kGap = 6, kRowStep = kPageButtonHeight + 4;
constexpr int kWidestButton = 106, kNarrowestButton = 80;

}  // namespace

TPageButtonLayout LayPageButtons(int count, int clientWidth) {
    TPageButtonLayout layout;
    count = std::max(1, count);
    const int room = std::max(0, clientWidth - 2 * kMargin) + kGap;  // every button with its gap
    layout.Columns = std::clamp(room / (kNarrowestButton + kGap), 1, count);
    layout.Rows = (count + layout.Columns - 1) / layout.Columns;
    layout.ButtonWidth = std::min(kWidestButton, room / layout.Columns - kGap);
    layout.PageTop = kPageButtonsTop + layout.Rows * kRowStep + 2;
    return layout;
}

int TPageButtonLayout::Left(int index) const { return kMargin + (index % Columns) * (ButtonWidth + kGap); }

int TPageButtonLayout::Top(int index) const { return kPageButtonsTop + (index / Columns) * kRowStep; }

}  // namespace tw::gallery
