// The gallery's page buttons: every one inside the client, none overlapping, one row while they
// can be 80 pixels wide, and the pages below the last row.
#include <gtest/gtest.h>

#include "tests/gallery/PageButtonLayout.h"

namespace tw::gallery {
namespace {

TEST(PageButtonLayoutTest, EveryButtonFitsTheClientInRowsOfReadableButtons) {
    struct Case {
        int count, width;
        int rows, buttonWidth, pageTop;
    };
    // The last: too narrow for two readable buttons, so one a row.
    const Case cases[] = {
        {1, 640, 1, 106, 66}, {5, 640, 1, 106, 66},  {7, 640, 1, 84, 66},  {8, 640, 2, 84, 94},
        {14, 640, 2, 84, 94}, {15, 640, 3, 84, 122}, {3, 100, 3, 84, 122},
    };
    for (const Case& c : cases) {
        const TPageButtonLayout l = LayPageButtons(c.count, c.width);
        EXPECT_EQ(c.rows, l.Rows) << c.count << " in " << c.width;
        EXPECT_EQ(c.buttonWidth, l.ButtonWidth) << c.count << " in " << c.width;
        EXPECT_EQ(c.pageTop, l.PageTop) << c.count << " in " << c.width;
        for (int i = 0; i < c.count; ++i) {
            EXPECT_GE(l.Left(i), 0);
            EXPECT_LE(l.Left(i) + l.ButtonWidth, c.width) << "button " << i << " of " << c.count;
            EXPECT_LE(l.Top(i) + kPageButtonHeight, l.PageTop) << "button " << i << " of " << c.count;
            if (i > 0 && l.Top(i) == l.Top(i - 1)) {
                EXPECT_GT(l.Left(i), l.Left(i - 1) + l.ButtonWidth);
            }
        }
    }
}

}  // namespace
}  // namespace tw::gallery
