// Frame geometry as tables: metrics from border strips, client rectangles of windows down to
// smaller than their frame, which border takes a bitmap region, and where the title text goes.
// What the painter draws from these is checked pixel by pixel under Wine (tests/form).
#include <gtest/gtest.h>

#include <string>

#include "skin/data/FrameGeometry.h"
#include "skin/data/SkinData.h"

namespace tw {
namespace {

// A skin whose borders are strips of the given sizes and frame counts.
struct TStrips {
    int leftW, leftH, leftN, rightW, rightN, topH, topN, bottomH, bottomN;
};

void Fill(TSkinData& d, const TStrips& s) {
    d.Left->Image.SetSize(s.leftW, s.leftH);
    d.Left->FrameCount = s.leftN;
    d.Right->Image.SetSize(s.rightW, 40);
    d.Right->FrameCount = s.rightN;
    d.Top->Image.SetSize(30, s.topH);
    d.Top->FrameCount = s.topN;
    d.Bottom->Image.SetSize(30, s.bottomH);
    d.Bottom->FrameCount = s.bottomN;
    d.FNoSkin = false;
}

TEST(FrameGeometry, MetricsComeFromOneCellOfEachBorderStrip) {
    struct Case {
        const char* what;
        TStrips strips;
        bool caption;
        TFrameMetrics expected;
    } cases[] = {
        {"odd sizes drop the rest", {11, 40, 2, 13, 2, 61, 2, 9, 2}, true, {5, 30, 6, 4, 7}},
        {"counts below one read as one", {5, 40, 0, 6, -3, 30, 0, 4, 1}, true, {5, 30, 6, 4, 7}},
        {"no caption: no frame, no menu band", {10, 40, 2, 12, 2, 60, 2, 8, 2}, false, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        TSkinData d(nullptr);
        Fill(d, c.strips);
        TFrameMetrics current;
        current.MenuHeight = 7;
        EXPECT_EQ(c.expected, FrameMetricsOf(d, c.caption, current)) << c.what;
    }
    // While the skin data holds no skin the metrics stay as they are.
    TSkinData none(nullptr);
    const TFrameMetrics kept{1, 2, 3, 4, 5};
    EXPECT_EQ(kept, FrameMetricsOf(none, true, kept));
}

TEST(FrameGeometry, ClientRectangleIsNeverInverted) {
    const TFrameMetrics m{5, 30, 6, 4, 20};
    struct Case {
        TRect window, client;
    } cases[] = {
        {{100, 50, 651, 537}, {105, 100, 645, 533}},  // 540 x 433 client
        {{0, 0, 11, 54}, {5, 50, 5, 50}},             // exactly the frame
        {{0, 0, 160, 24}, {5, 24, 154, 24}},          // minimised: shorter than its title
        {{10, 10, 14, 12}, {14, 12, 14, 12}},         // narrower than one border
        {{10, 10, 10, 10}, {10, 10, 10, 10}},         // no area
    };
    for (const Case& c : cases) {
        const TRect r = ClientRectOf(c.window, m);
        EXPECT_EQ(c.client, r) << c.window.Left << "," << c.window.Top << "," << c.window.Right << ","
                               << c.window.Bottom;
        EXPECT_LE(r.Left, r.Right);
        EXPECT_LE(r.Top, r.Bottom);
    }
}

// The kinds of a plan's parts (left, right, title, bottom) as letters: B bitmap, R rectangle,
// - none; a plain plan is "plain".
std::string Kinds(const TRegionPlan& p) {
    if (p.Plain) return "plain";
    std::string out;
    for (const TRegionPart& part : p.Parts) {
        EXPECT_EQ(part.Kind == TRegionPartKind::None, part.Area.IsEmpty());
        out += part.Kind == TRegionPartKind::Bitmap ? 'B' : part.Kind == TRegionPartKind::Rectangle ? 'R' : '-';
    }
    return out;
}

TEST(FrameGeometry, RegionPlanTakesBitmapsOnlyWhereTheyCanHaveAShape) {
    const TFrameMetrics m{5, 30, 6, 4, 0}, thin{5, 30, 6, 1, 0};
    struct Case {
        int w, h;
        TFrameMetrics metrics;
        std::array<int, 4> trans;
        const char* kinds;
    } cases[] = {
        {200, 100, m, {1, 1, 1, 1}, "BBBB"}, {200, 100, m, {0, 0, 0, 0}, "plain"},
        {200, 100, m, {0, 0, 0, 1}, "RRRB"}, {200, 100, thin, {1, 1, 1, 1}, "BBBR"},  // a 1-pixel bottom
        {200, 1, m, {1, 1, 1, 1}, "RRBB"},  // 1 pixel high: the sides cannot have a shape
        {9, 100, m, {1, 1, 1, 1}, "BB--"},  // narrower than the side borders: no title, no bottom
        {11, 100, m, {1, 1, 1, 1}, "BB--"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kinds, Kinds(PlanFrameRegion(c.w, c.h, c.metrics, c.trans, true))) << c.w << " x " << c.h;
    const TRegionPlan p = PlanFrameRegion(200, 100, m, {1, 1, 1, 1}, true);
    EXPECT_EQ(TRect(5, 30, 194, 96), p.Inner);
    EXPECT_EQ(TRect(194, 0, 200, 100), p.Parts[1].Area);
    EXPECT_EQ(TRect(5, 96, 194, 100), p.Parts[3].Area);
    // Plain: the window rectangle; no caption is plain whatever the borders say.
    EXPECT_EQ(TRect(0, 0, 200, 100), PlanFrameRegion(200, 100, m, {0, 0, 0, 0}, true).Inner);
    EXPECT_EQ("plain", Kinds(PlanFrameRegion(200, 100, {}, {1, 1, 1, 1}, false)));
    EXPECT_TRUE(PlanFrameRegion(9, 100, m, {1, 1, 1, 1}, true).Inner.IsEmpty());
}

TEST(FrameGeometry, TitleTextSitsBetweenShiftAndClipOnItsLine) {
    const TRect title(5, 0, 535, 30), all = title;
    struct Case {
        const char* what;
        TTitleTextKeys keys;
        TRect free;
        int left, right, centre;
        TTitleAlignment align;
    } cases[] = {
        // The built-in skins: the line (12 + 2 high) starts 8 below the top, centred on 15.
        {"shift, clip and line top", {27, 8, 91, 0, 12}, all, 27, 449, 15, taLeft},
        {"no keys: the whole title, centred", {0, 0, 0, 0, 14}, all, 5, 535, 15, taLeft},
        {"the caption buttons leave less", {27, 8, 91, 1, 12}, {30, 0, 400, 30}, 30, 400, 15, taRight},
        {"centred text", {27, 3, 10, 2, 20}, all, 27, 530, 14, taCentre},
        {"unknown alignment is left", {27, 8, 91, 7, 12}, all, 27, 449, 15, taLeft},
    };
    for (const Case& c : cases) {
        const TTitleTextLayout l = TitleTextLayoutOf(540, title, c.free, c.keys);
        EXPECT_EQ(c.left, l.Area.Left) << c.what;
        EXPECT_EQ(c.right, l.Area.Right) << c.what;
        EXPECT_EQ(c.centre, (l.Area.Top + l.Area.Bottom) / 2) << c.what;
        EXPECT_GE(l.Area.Height(), c.keys.FontHeight + 2) << c.what;
        EXPECT_EQ(c.align, l.Alignment) << c.what;
        EXPECT_FALSE(l.Empty()) << c.what;
    }
    // A window too narrow for its shift and clip has no text area, never an inverted one.
    const TTitleTextLayout narrow = TitleTextLayoutOf(100, TRect(5, 0, 95, 30), TRect(5, 0, 95, 30),
                                                      {60, 8, 50, 0, 12});
    EXPECT_TRUE(narrow.Empty());
    EXPECT_EQ(0, narrow.Area.Width());
}

}  // namespace
}  // namespace tw
