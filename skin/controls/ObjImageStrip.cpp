#include "skin/controls/ObjImageStrip.h"

#include <algorithm>

namespace tw {

namespace {

// Where a state of the 4- and 5-frame layout (unchecked, checked, unchecked disabled, checked
// disabled, grayed) lies in a strip of that many frames: the 8- and 12-frame strips keep hot and
// pressed cells beside each state.
int SourceCellOf(int state, int sourceFrames) {
    static constexpr int kWide[] = {0, 4, 3, 7, 8};
    return (sourceFrames == 8 || sourceFrames == 12) ? kWide[state] : state;
}

}  // namespace

TObjStripPlan ObjStripPlan(int objKind, int sourceFrames) {
    TObjStripPlan plan;
    switch (objKind) {
        case 1:
            // Unchecked, checked, grayed; then the same hot; then disabled.
            plan.TargetCells = 9;
            plan.Copies = {{0, 0}, {3, 0}, {1, 1}, {4, 1}, {6, 2}, {7, 3}};
            if (sourceFrames == 5 || sourceFrames == 12)
                plan.Copies.insert(plan.Copies.end(), {{2, 4}, {5, 4}, {8, 4}});
            break;
        case 2:
            plan.TargetCells = 6;
            plan.Copies = {{0, 0}, {2, 0}, {1, 1}, {3, 1}, {4, 2}, {5, 3}};
            break;
        case 3:
            plan.TargetCells = 6;
            plan.Copies = {{0, 0}, {3, 0}, {1, 1}, {4, 1}};
            if (sourceFrames == 5 || sourceFrames == 12) plan.Copies.insert(plan.Copies.end(), {{2, 4}, {5, 4}});
            break;
        default:
            return plan;
    }
    for (TCellCopy& c : plan.Copies) c.Source = SourceCellOf(c.Source, sourceFrames);
    plan.Copies.erase(std::remove_if(plan.Copies.begin(), plan.Copies.end(),
                                     [sourceFrames](const TCellCopy& c) { return c.Source >= sourceFrames; }),
                      plan.Copies.end());
    return plan;
}

TBitmap BuildObjStrip(const TBitmap& source, int sourceFrames, int objKind) {
    if (source.Empty() || sourceFrames < 1) return {};
    const TObjStripPlan plan = ObjStripPlan(objKind, sourceFrames);
    const int w = source.Width() / sourceFrames, h = source.Height();
    if (plan.TargetCells == 0 || w <= 0) return {};
    TBitmap strip(w * plan.TargetCells, h);
    if (strip.Empty()) return {};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < strip.Width(); ++x) strip.SetPixel(x, y, kColorMagenta);
    for (const TCellCopy& c : plan.Copies)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) strip.SetPixel(c.Target * w + x, y, source.Pixel(c.Source * w + x, y));
    return strip;
}

}  // namespace tw
