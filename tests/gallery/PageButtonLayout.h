// Where the gallery's page buttons go: in one row as wide as the form allows, or in as many rows
// as it takes to keep each button wide enough for its caption. Portable.
#pragma once

namespace tw::gallery {

struct TPageButtonLayout {
    int Columns = 0, Rows = 0;
    int ButtonWidth = 0;
    int PageTop = 0;  // the first pixel row under the buttons, where the pages start

    int Left(int index) const;
    int Top(int index) const;
};

constexpr int kPageButtonsTop = 36;
constexpr int kPageButtonHeight = 24;

// The layout of count buttons across a client of clientWidth.
TPageButtonLayout LayPageButtons(int count, int clientWidth);

}  // namespace tw::gallery
