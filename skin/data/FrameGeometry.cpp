#include "skin/data/FrameGeometry.h"

#include <algorithm>

#include "skin/data/SkinData.h"

namespace tw {

namespace {

int Cells(int frameCount) { return std::max(1, frameCount); }

int SideWidth(const TDataSkinObject* border) { return border ? border->Image.Width() / Cells(border->FrameCount) : 0; }

int StackedHeight(const TDataSkinObject* border) {
    return border ? border->Image.Height() / Cells(border->FrameCount) : 0;
}

TRect NoneIfEmpty(const TRect& r) { return r.IsEmpty() ? TRect() : r; }

}  // namespace

TFrameMetrics FrameMetricsOf(const TSkinData& data, bool hasCaption, const TFrameMetrics& current) {
    if (data.FNoSkin) return current;
    TFrameMetrics m;
    if (!hasCaption) return m;
    m.BorderLeft = SideWidth(data.Left.get());
    m.BorderRight = SideWidth(data.Right.get());
    m.TitleHeight = StackedHeight(data.Top.get());
    m.BorderBottom = StackedHeight(data.Bottom.get());
    m.MenuHeight = current.MenuHeight;
    return m;
}

TRect ClientRectOf(const TRect& window, const TFrameMetrics& m) {
    auto clampX = [&](int x) { return std::clamp(x, window.Left, std::max(window.Left, window.Right)); };
    auto clampY = [&](int y) { return std::clamp(y, window.Top, std::max(window.Top, window.Bottom)); };
    TRect client(clampX(window.Left + m.BorderLeft), clampY(window.Top + m.TitleHeight + m.MenuHeight),
                 clampX(window.Right - m.BorderRight), clampY(window.Bottom - m.BorderBottom));
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
    return client;
}

TFrameLayout FrameLayoutOf(int w, int h, const TFrameMetrics& m) {
    TFrameLayout l;
    l.Left = TRect(0, 0, m.BorderLeft, h);
    l.Right = TRect(w - m.BorderRight, 0, w, h);
    l.Title = TRect(m.BorderLeft, 0, w - m.BorderRight, m.TitleHeight);
    l.Bottom = TRect(m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h);
    l.MenuBand = TRect(m.BorderLeft, m.TitleHeight, w - m.BorderRight, m.TitleHeight + m.MenuHeight);
    l.Inner = TRect(m.BorderLeft, m.TitleHeight, w - m.BorderRight, h - m.BorderBottom);
    return l;
}

TSliceOptions BorderSliceOptions(const TDataSkinObject& border, int index, bool active) {
    TSliceOptions o;
    o.FrameCount = Cells(border.FrameCount);
    o.FrameIndex = active || o.FrameCount == 1 ? 1 : 2;
    o.Stacked = index == biTitle || index == biBottom;
    // Borders keep their stretch value in Tile: 1 stretches the centre, anything else tiles it.
    o.Tile = border.Tile != 1;
    o.LeftWidth = border.LeftWidth;
    o.TopHeight = border.TopHeight;
    o.RightWidth = border.RightWidth;
    o.BottomHeight = border.BottomHeight;
    return o;
}

TRegionPlan PlanFrameRegion(int w, int h, const TFrameMetrics& m, const std::array<int, 4>& trans, bool hasCaption) {
    TRegionPlan plan;
    const TFrameLayout l = FrameLayoutOf(w, h, m);
    plan.Inner = NoneIfEmpty(l.Inner);
    const bool anyTransparent = std::any_of(trans.begin(), trans.end(), [](int t) { return t == 1; });
    if (!hasCaption || !anyTransparent) {
        plan.Plain = true;
        plan.Inner = NoneIfEmpty(TRect(0, 0, w, h));
        return plan;
    }
    auto part = [](int index, bool bitmap, const TRect& area) {
        TRegionPart p;
        p.Index = index;
        p.Area = NoneIfEmpty(area);
        if (!p.Area.IsEmpty()) p.Kind = bitmap ? TRegionPartKind::Bitmap : TRegionPartKind::Rectangle;
        return p;
    };
    const int middle = w - m.BorderLeft - m.BorderRight;
    plan.Parts[0] = part(biLeft, trans[0] == 1 && h > 1, l.Left);
    plan.Parts[1] = part(biRight, trans[1] == 1 && h > 1, l.Right);
    plan.Parts[2] = part(biTitle, trans[2] == 1 && m.TitleHeight > 1 && middle > 0, l.Title);
    plan.Parts[3] = part(biBottom, trans[3] == 1 && m.BorderBottom >= 2 && middle > 0, l.Bottom);
    return plan;
}

TTitleTextLayout TitleTextLayoutOf(int windowWidth, const TRect& title, const TRect& free, const TTitleTextKeys& k) {
    TTitleTextLayout layout;
    switch (k.TextAlignment) {
        case taRight:
            layout.Alignment = taRight;
            break;
        case taCentre:
            layout.Alignment = taCentre;
            break;
        default:
            layout.Alignment = taLeft;
            break;
    }
    const int left = std::max({k.TextShift, free.Left, title.Left});
    const int right = std::min({windowWidth - k.TextRightClip, free.Right, title.Right});
    const int line = std::max(0, k.FontHeight) + 2;
    const int centre = k.TextShiftVert > 0 ? title.Top + k.TextShiftVert + line / 2 : (title.Top + title.Bottom) / 2;
    const int reach = std::max({title.Height(), line, 1});
    layout.Area = TRect(left, centre - reach, std::max(left, right), centre + reach);
    return layout;
}

}  // namespace tw
