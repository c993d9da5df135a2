#include <gtest/gtest.h>

#include <string>

#include "skin/data/StripPieces.h"

namespace tw {
namespace {

using TPieces = std::vector<TSlicePiece>;

// A piece as "source->dest", so a whole list compares and prints as one string.
std::string Describe(const TPieces& pieces) {
    std::string s;
    auto rect = [](const TRect& r) {
        return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
               std::to_string(r.Bottom) + ")";
    };
    for (const TSlicePiece& p : pieces) s += rect(p.Source) + "->" + rect(p.Dest) + " ";
    return s;
}

TSliceOptions Strip(int count, int index, int left = 0, int right = 0, bool stacked = false) {
    TSliceOptions o;
    o.FrameCount = count;
    o.FrameIndex = index;
    o.LeftWidth = left;
    o.RightWidth = right;
    o.Stacked = stacked;
    return o;
}

struct TCase {
    const char* What;
    int Width, Height, ImageWidth, ImageHeight;
    TSliceOptions Options;
    const char* Expected;
};

TEST(StripFramePieces, OneCellOfTheStripStretchedOverTheDestination) {
    const TCase cases[] = {
        {"frame 2 of 4", 20, 30, 40, 10, Strip(4, 2), "(10,0,20,10)->(0,0,20,30) "},
        {"index 0 reads as 1", 20, 30, 40, 10, Strip(4, 0), "(0,0,10,10)->(0,0,20,30) "},
        {"index past the strip is the last", 20, 30, 40, 10, Strip(4, 9), "(30,0,40,10)->(0,0,20,30) "},
        {"count 0 reads as 1", 5, 5, 40, 10, Strip(0, 3), "(0,0,40,10)->(0,0,5,5) "},
        {"negative count reads as 1", 5, 5, 40, 10, Strip(-2, 1), "(0,0,40,10)->(0,0,5,5) "},
        {"stacking is not asked of a strip frame", 5, 5, 40, 10, Strip(2, 2, 0, 0, true), "(20,0,40,10)->(0,0,5,5) "},
        {"more frames than columns", 5, 5, 40, 10, Strip(50, 1), ""},
        {"empty destination", 0, 5, 40, 10, Strip(4, 1), ""},
        {"inverted destination", -3, 5, 40, 10, Strip(4, 1), ""},
        {"empty image", 5, 5, 0, 0, Strip(4, 1), ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Expected, Describe(StripFramePieces(c.Width, c.Height, c.ImageWidth, c.ImageHeight, c.Options)))
            << c.What;
}

TEST(CenteredCellPieces, OneCellUnscaledInTheMiddleTruncatingTowardZero) {
    const TCase cases[] = {
        {"frame 2 of 2", 8, 6, 6, 2, Strip(2, 2), "(3,0,6,2)->(2,2,5,4) "},
        {"odd space leaves the extra column right", 6, 5, 6, 2, Strip(2, 1), "(0,0,3,2)->(1,1,4,3) "},
        // (2 - 5) / 2 and (1 - 4) / 2 are -1, not the -2 of a floor division.
        {"cell larger than the destination", 2, 1, 10, 4, Strip(2, 1), "(0,0,5,4)->(-1,-1,4,3) "},
        {"index clamped", 8, 6, 6, 2, Strip(2, 7), "(3,0,6,2)->(2,2,5,4) "},
        {"empty destination", 8, 0, 6, 2, Strip(2, 1), ""},
        {"inverted destination", 8, -6, 6, 2, Strip(2, 1), ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Expected, Describe(CenteredCellPieces(c.Width, c.Height, c.ImageWidth, c.ImageHeight, c.Options)))
            << c.What;
}

TEST(ThreeSlicePieces, CapsAndAnUnscaledMiddleRepeatedUpToTheRightCap) {
    const TCase cases[] = {
        // Frame 2 of a 20 x 4 strip is (10, 0)-(20, 4); caps 3 and 2 leave a middle of 5.
        {"middle fits three times", 20, 8, 20, 4, Strip(2, 2, 3, 2),
         "(10,0,13,4)->(0,0,3,8) (13,0,18,4)->(3,0,8,8) (13,0,18,4)->(8,0,13,8) (13,0,18,4)->(13,0,18,8) "
         "(18,0,20,4)->(18,0,20,8) "},
        {"last middle copy cut at the right cap", 16, 8, 20, 4, Strip(2, 2, 3, 2),
         "(10,0,13,4)->(0,0,3,8) (13,0,18,4)->(3,0,8,8) (13,0,18,4)->(8,0,13,8) (13,0,14,4)->(13,0,14,8) "
         "(18,0,20,4)->(14,0,16,8) "},
        {"no caps", 25, 4, 10, 4, Strip(1, 1),
         "(0,0,10,4)->(0,0,10,4) (0,0,10,4)->(10,0,20,4) (0,0,5,4)->(20,0,25,4) "},
        {"middle of width 0 draws no middle", 30, 4, 10, 4, Strip(1, 1, 6, 4),
         "(0,0,6,4)->(0,0,6,4) (6,0,10,4)->(26,0,30,4) "},
        {"caps wider than the cell", 30, 4, 10, 4, Strip(1, 1, 12, 8),
         "(0,0,10,4)->(0,0,10,4) (2,0,10,4)->(22,0,30,4) "},
        {"negative caps read as 0", 10, 4, 10, 4, Strip(1, 1, -3, -1), "(0,0,10,4)->(0,0,10,4) "},
        {"stacked frames", 10, 4, 10, 8, Strip(2, 2, 4, 4, true),
         "(0,4,4,8)->(0,0,4,4) (4,4,6,8)->(4,0,6,4) "
         "(6,4,10,8)->(6,0,10,4) "},
        {"empty destination", 0, 4, 10, 4, Strip(1, 1, 2, 2), ""},
        {"inverted destination", 10, -1, 10, 4, Strip(1, 1, 2, 2), ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Expected, Describe(ThreeSlicePieces(c.Width, c.Height, c.ImageWidth, c.ImageHeight, c.Options)))
            << c.What;
}

TEST(ThreePartStretchPieces, CapsKeepTheirWidthAndTheMiddleStretches) {
    const TCase cases[] = {
        {"wider than the cell", 30, 8, 10, 4, Strip(1, 1, 3, 2),
         "(0,0,3,4)->(0,0,3,8) (3,0,8,4)->(3,0,28,8) (8,0,10,4)->(28,0,30,8) "},
        {"as wide as the cell", 10, 8, 10, 4, Strip(1, 1, 3, 2),
         "(0,0,3,4)->(0,0,3,8) (3,0,8,4)->(3,0,8,8) (8,0,10,4)->(8,0,10,8) "},
        {"narrower than the cell: the whole cell", 7, 8, 20, 4, Strip(2, 2, 3, 2), "(10,0,20,4)->(0,0,7,8) "},
        {"caps that meet leave no middle", 20, 4, 10, 4, Strip(1, 1, 7, 6),
         "(0,0,7,4)->(0,0,7,4) (7,0,10,4)->(17,0,20,4) "},
        {"stacked, index clamped", 12, 2, 4, 6, Strip(3, 5, 1, 1, true),
         "(0,4,1,6)->(0,0,1,2) (1,4,3,6)->(1,0,11,2) (3,4,4,6)->(11,0,12,2) "},
        {"empty destination", 12, 0, 4, 6, Strip(1, 1), ""},
        {"inverted destination", -12, 3, 4, 6, Strip(1, 1), ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Expected,
                  Describe(ThreePartStretchPieces(c.Width, c.Height, c.ImageWidth, c.ImageHeight, c.Options)))
            << c.What;
}

TEST(TilePieces, RepeatTheSourceAndCutTheLastCopiesAtTheEdges) {
    struct TTileCase {
        const char* What;
        TRect Dest, Source;
        const char* Expected;
    };
    const TTileCase cases[] = {
        {"two by two", TRect(2, 1, 7, 4), TRect(10, 20, 13, 22),
         "(10,20,13,22)->(2,1,5,3) (10,20,13,21)->(2,3,5,4) (10,20,12,22)->(5,1,7,3) (10,20,12,21)->(5,3,7,4) "},
        {"exact fit", TRect(0, 0, 4, 2), TRect(0, 0, 2, 2), "(0,0,2,2)->(0,0,2,2) (0,0,2,2)->(2,0,4,2) "},
        {"source of no width", TRect(0, 0, 4, 4), TRect(3, 0, 3, 2), ""},
        {"negative source", TRect(0, 0, 4, 4), TRect(3, 3, 1, 1), ""},
        {"empty destination", TRect(4, 0, 4, 4), TRect(0, 0, 2, 2), ""},
        {"inverted destination", TRect(4, 4, 0, 0), TRect(0, 0, 2, 2), ""},
    };
    for (const TTileCase& c : cases) EXPECT_EQ(c.Expected, Describe(TilePieces(c.Dest, c.Source))) << c.What;
}

}  // namespace
}  // namespace tw
