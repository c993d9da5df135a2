#include "skin/form/FramePainter.h"

#include <algorithm>
#include <array>

#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/ImageRegion.h"
#include "skin/form/TitleText.h"

namespace tw {

namespace {

// Frames are drawn only while the skinner runs or re-applies a skin.
constexpr int kRunning = 1, kReapplying = 3, kDestroyed = 6;

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

const TDataSkinBorder* BorderOf(const TSkinData& data, int index) {
    switch (index) {
        case biLeft:
            return data.Left.get();
        case biRight:
            return data.Right.get();
        case biTitle:
            return data.Top.get();
        case biBottom:
            return data.Bottom.get();
        default:
            return nullptr;
    }
}

bool Paintable(const TFrameView& view) {
    return view.Window && view.SkinData && !view.SkinData->FNoSkin &&
           (view.SkinState == kRunning || view.SkinState == kReapplying) && view.BorderKind != bkNoCaption &&
           !(view.MdiChild && view.ShowState == ssMaximised);
}

// Painting runs inside window procedures: nothing may leave it.
template <class Work>
void Swallowed(Work work) noexcept {
    try {
        work();
    } catch (...) {
    }
}

bool WindowSize(HWND window, int& width, int& height) {
    RECT r{};
    if (!GetWindowRect(window, &r)) return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
}

void FillWithFace(HDC dc, const RECT& rect, const TSkinData& data) {
    if (auto* brush = static_cast<HBRUSH>(data.FFaceBrush())) {
        FillRect(dc, &rect, brush);
        return;
    }
    const TBrushHandle own(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(data.Colours.ButtonFace))));
    if (own) FillRect(dc, &rect, own.Get());
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// The icon a window shows: its own small or big one, its class's, the program's first icon
// resource, or the system's application icon. `owned` keeps one we loaded or copied.
HICON IconOfWindow(HWND window, int cx, int cy, TIconHandle& owned) {
    auto sent = [window](WPARAM kind) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 500, &answer);
        return reinterpret_cast<HICON>(answer);
    };
    HICON icon = sent(ICON_SMALL);
    if (!icon) icon = sent(ICON_BIG);
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    if (icon) {
        // The small image of an icon loaded from resources, rather than the big one shrunk.
        owned.Reset(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
        return owned ? owned.Get() : icon;
    }
    HMODULE program = GetModuleHandleW(nullptr);
    struct TFirst {
        static BOOL CALLBACK Take(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR found) {
            auto* target = reinterpret_cast<TIconHandle*>(found);
            const int size[2] = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
            target->Reset(static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size[0], size[1], 0)));
            return FALSE;
        }
    };
    EnumResourceNamesW(program, RT_GROUP_ICON, &TFirst::Take, reinterpret_cast<LONG_PTR>(&owned));
    if (owned) return owned.Get();
    return LoadIconW(nullptr, IDI_APPLICATION);
}

// One drawing of icon over a solid background.
bool RenderOver(TBitmap& target, HICON icon, TColor background) {
    target.Fill(background);
    TBitmapDC dc(nullptr, target);
    if (!dc) return false;
    const bool drawn = DrawIconEx(dc.Get(), 0, 0, icon, target.Width(), target.Height(), 0, nullptr, DI_NORMAL);
    GdiFlush();
    return drawn;
}

}  // namespace

void TFramePainter::ReadFrameMetrics(const TSkinData& data, int borderKind) {
    metrics_ = FrameMetricsOf(data, borderKind != bkNoCaption, metrics_);
}

RECT TFramePainter::ClientRectFor(const RECT& window) const {
    return ToRECT(ClientRectOf(TRect(window.left, window.top, window.right, window.bottom), metrics_));
}

void TFramePainter::PaintFrame(const TFrameView& view, HDC dc) {
    if (!Paintable(view)) return;
    Swallowed([&] {
        TWindowDC own;
        if (!dc) {
            own = WholeWindowDC(view.Window);
            dc = own.Get();
        }
        int w = 0, h = 0;
        if (!dc || !WindowSize(view.Window, w, h)) return;
        frameWidth_ = w;
        frameHeight_ = h;
        if (view.ShowState == ssMinimised) {
            PaintTitle(view, dc);
            return;
        }
        const TFrameLayout l = FrameLayoutOf(w, h, metrics_);
        PaintBorder(view, biLeft, ToRECT(l.Left), dc);
        PaintBorder(view, biRight, ToRECT(l.Right), dc);
        PaintBorder(view, biBottom, ToRECT(l.Bottom), dc);
        PaintTitle(view, dc);
        if (metrics_.MenuHeight > 0 && !l.MenuBand.IsEmpty()) {
            const RECT band = ToRECT(l.MenuBand);
            if (PaintMenuBand) PaintMenuBand(dc, band);
            else
                FillWithFace(dc, band, *view.SkinData);
        }
    });
}

void TFramePainter::PaintBorder(const TFrameView& view, int index, const RECT& rect, HDC dc) const {
    if (!dc || !view.SkinData || rect.right < rect.left || rect.bottom < rect.top) return;
    const TDataSkinBorder* border = BorderOf(*view.SkinData, index);
    if (!border) return;
    DrawNineSlice(dc, rect, border->Image, BorderSliceOptions(*border, index, view.Active), false);
}

void TFramePainter::PaintTitle(const TFrameView& view, HDC dc) {
    if (!dc || !Paintable(view)) return;
    Swallowed([&] {
        int w = 0, h = 0;
        if (!WindowSize(view.Window, w, h)) return;
        frameWidth_ = w;
        frameHeight_ = h;
        // Minimised, the title strip lies over the face colour across the whole window.
        const bool minimised = view.ShowState == ssMinimised;
        const int bufferHeight = minimised ? h : metrics_.TitleHeight;
        if (w <= 0 || bufferHeight <= 0) return;
        if (titleBuffer_.Width() != w || titleBuffer_.Height() != bufferHeight) {
            if (!titleBuffer_.SetSize(w, bufferHeight)) return;
        }
        TBitmapDC buffer(dc, titleBuffer_);
        if (!buffer) return;
        RECT title;
        if (minimised) {
            FillWithFace(buffer.Get(), RECT{0, 0, w, bufferHeight}, *view.SkinData);
            title = RECT{0, 0, w, metrics_.TitleHeight};
        } else {
            // What the DC shows there already: the corners of the side borders painted before.
            BitBlt(buffer.Get(), 0, 0, w, bufferHeight, dc, 0, 0, SRCCOPY);
            title = ToRECT(FrameLayoutOf(w, h, metrics_).Title);
        }
        PaintBorder(view, biTitle, title, buffer.Get());
        RECT free = title;
        if (PaintCaptionButtons) free = PaintCaptionButtons(buffer.Get(), title, view);
        PaintTitleText(view, buffer.Get(), title, free, w);
        BitBlt(dc, 0, 0, w, bufferHeight, buffer.Get(), 0, 0, SRCCOPY);
        SetBkMode(dc, OPAQUE);
    });
}

void TFramePainter::PaintTitleText(const TFrameView& view, HDC buffer, const RECT& title, const RECT& free,
                                   int windowWidth) {
    const TTitleTextPainter& painter = TitleTextPainter();
    if (!painter) return;
    TTitleTextRequest request;
    request.DC = buffer;
    request.TitleRect = title;
    request.TextArea = free;
    request.WindowWidth = windowWidth;
    request.Text = WindowText(view.Window);
    request.Active = view.Active;
    request.SkinData = view.SkinData;
    // A failing text painter still leaves the title bar itself.
    Swallowed([&] { painter(request); });
}

void TFramePainter::BuildRegion(const TFrameView& view, bool rebuild) {
    if (!view.Window || !view.SkinData || view.SkinData->FNoSkin || view.SkinState == kDestroyed) return;
    if (view.MdiChild && view.ShowState != ssNormal) return;
    int w = 0, h = 0;
    if (!WindowSize(view.Window, w, h) || w <= 0 || h <= 0) return;
    rebuild = rebuild || view.SkinState == kReapplying || view.MdiChild;
    if (regionSet_ && !rebuild && w == regionWidth_ && h == regionHeight_) return;
    Swallowed([&] {
        TRegionHandle region = MakeRegion(view, w, h);
        if (!region) return;
        // From here on the region is the system's: it frees it with the window or the next one.
        if (!SetWindowRgn(view.Window, region.Get(), TRUE)) return;
        (void)region.Release();
        regionSet_ = true;
        regionWidth_ = w;
        regionHeight_ = h;
    });
}

TRegionHandle TFramePainter::MakeRegion(const TFrameView& view, int w, int h) const {
    const TSkinData& data = *view.SkinData;
    const std::array<int, 4> trans{data.Left->Trans, data.Right->Trans, data.Top->Trans, data.Bottom->Trans};
    const TRegionPlan plan = PlanFrameRegion(w, h, metrics_, trans, view.BorderKind != bkNoCaption);
    const TRect& inner = plan.Inner;
    TRegionHandle result(CreateRectRgn(inner.Left, inner.Top, inner.Right, inner.Bottom));
    if (!result || plan.Plain) return result;
    for (const TRegionPart& part : plan.Parts) {
        const TRect& a = part.Area;
        TRegionHandle piece;
        if (part.Kind == TRegionPartKind::Rectangle) {
            piece.Reset(CreateRectRgn(a.Left, a.Top, a.Right, a.Bottom));
        } else if (part.Kind == TRegionPartKind::Bitmap) {
            // The border as it is painted, so the shape follows its pixels exactly.
            TBitmap shape(a.Width(), a.Height());
            TBitmapDC dc(nullptr, shape);
            if (!dc) continue;
            PaintBorder(view, part.Index, RECT{0, 0, a.Width(), a.Height()}, dc.Get());
            piece = RegionFromBitmap(shape, a.Left, a.Top, 1, 1, 1);
        }
        // A part without pixels adds nothing and takes nothing away from the others.
        if (piece) CombineRgn(result.Get(), result.Get(), piece.Get(), RGN_OR);
    }
    return result;
}

void TFramePainter::DropRegion(HWND window, bool redraw) {
    if (!regionSet_) return;
    regionSet_ = false;
    regionWidth_ = regionHeight_ = 0;
    if (window) SetWindowRgn(window, nullptr, redraw);
}

void TFramePainter::RenderIcon(HWND window) {
    iconBitmap_.Clear();
    if (!window) return;
    Swallowed([&] {
        const int cx = SmallIconWidth(), cy = SmallIconHeight();
        TIconHandle owned;
        HICON icon = IconOfWindow(window, cx, cy, owned);
        if (!icon) return;
        // Drawn over black and over white, the two results give each pixel's colour and alpha.
        TBitmap onBlack(cx, cy), onWhite(cx, cy);
        if (onBlack.Empty() || onWhite.Empty()) return;
        if (!RenderOver(onBlack, icon, 0) || !RenderOver(onWhite, icon, kColorWhite)) return;
        TBitmap rendered(cx, cy, TPixelFormat::pf32bit);
        if (rendered.Empty()) return;
        for (int y = 0; y < cy; ++y) {
            const uint8_t* black = onBlack.ScanLine(y);
            const uint8_t* white = onWhite.ScanLine(y);
            uint8_t* out = rendered.ScanLine(y);
            for (int x = 0; x < cx; ++x) {
                const uint8_t* b = black + 3 * x;
                const uint8_t* wt = white + 3 * x;
                const int spread = std::max({wt[0] - b[0], wt[1] - b[1], wt[2] - b[2], 0});
                const auto alpha = static_cast<uint8_t>(255 - std::min(spread, 255));
                // Over black the colour is already multiplied by its alpha.
                out[4 * x + 0] = std::min(b[0], alpha);
                out[4 * x + 1] = std::min(b[1], alpha);
                out[4 * x + 2] = std::min(b[2], alpha);
                out[4 * x + 3] = alpha;
            }
        }
        iconBitmap_ = std::move(rendered);
    });
}

void TFramePainter::DrawIcon(HDC dc, const RECT& rect) const {
    if (!dc || iconBitmap_.Empty()) return;
    TBitmapDC source(dc, iconBitmap_);
    if (!source) return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const int cx = iconBitmap_.Width(), cy = iconBitmap_.Height();
    GdiAlphaBlend(dc, rect.left, rect.top, cx, cy, source.Get(), 0, 0, cx, cy, blend);
}

}  // namespace tw
