// A first cut of the frame painter: border widths from the skin's border strips and plain
// borders in one colour (active and inactive apart); the skin images and the region come next.
#include "skin/form/FramePainter.h"

#include "skin/data/SkinData.h"

namespace tw {

namespace {
int Cells(const TDataSkinObject& o) { return o.FrameCount < 1 ? 1 : o.FrameCount; }
}  // namespace

void TFramePainter::ReadFrameMetrics(const TSkinData& data, int borderKind) {
    if (data.FNoSkin) return;
    if (borderKind == bkNoCaption) {
        metrics_ = TFrameMetrics{};
        return;
    }
    metrics_.TitleHeight = data.Top->Image.Height() / Cells(*data.Top);
    metrics_.BorderLeft = data.Left->Image.Width() / Cells(*data.Left);
    metrics_.BorderRight = data.Right->Image.Width() / Cells(*data.Right);
    metrics_.BorderBottom = data.Bottom->Image.Height() / Cells(*data.Bottom);
}

RECT TFramePainter::ClientRectFor(const RECT& w) const {
    RECT r{w.left + metrics_.BorderLeft, w.top + metrics_.TitleHeight + metrics_.MenuHeight,
           w.right - metrics_.BorderRight, w.bottom - metrics_.BorderBottom};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

void TFramePainter::PaintFrame(const TFrameView& view, HDC dc) {
    if (view.SkinState != 1 && view.SkinState != 3) return;
    TWindowDC own = dc ? TWindowDC() : WholeWindowDC(view.Window);
    HDC target = dc ? dc : own.Get();
    if (!target) return;
    RECT w{};
    GetWindowRect(view.Window, &w);
    OffsetRect(&w, -w.left, -w.top);
    TBrushHandle brush(CreateSolidBrush(view.Active ? RGB(200, 40, 40) : RGB(40, 40, 200)));
    const RECT pieces[] = {{0, 0, w.right, metrics_.TitleHeight},
                           {0, 0, metrics_.BorderLeft, w.bottom},
                           {w.right - metrics_.BorderRight, 0, w.right, w.bottom},
                           {0, w.bottom - metrics_.BorderBottom, w.right, w.bottom}};
    for (const RECT& piece : pieces) FillRect(target, &piece, brush.Get());
}

void TFramePainter::PaintBorder(const TFrameView&, int, const RECT&, HDC) {}
void TFramePainter::PaintTitle(const TFrameView&, HDC) {}
void TFramePainter::BuildRegion(const TFrameView&, bool) {}
void TFramePainter::DropRegion(HWND, bool) {}
void TFramePainter::RenderIcon(HWND) {}
void TFramePainter::DrawIcon(HDC, const RECT&) const {}

}  // namespace tw
