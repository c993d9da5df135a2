// TFramePainter: the pixels of a skinned frame. Border widths from the skin's four border images,
// the client rectangle under them, the borders and the title bar painted into the window DC (the
// title composed off-screen and copied once), and the window region that cuts away the borders'
// magenta pixels. The form skinner owns one and tells it the window's state on every call.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/win/Handles.h"
#include "skin/data/Bitmap.h"
#include "skin/data/FrameGeometry.h"

namespace tw {

class TSkinData;

// How a frame is drawn, as the form skinner sees it at the moment of the call.
enum TBorderKind { bkSizeable = 0, bkFixed = 1, bkNoCaption = 2, bkDialog = 3 };
enum TShowState { ssNormal = 0, ssMaximised = 1, ssMinimised = 2 };

struct TFrameView {
    HWND Window = nullptr;
    const TSkinData* SkinData = nullptr;
    int BorderKind = bkFixed;
    int ShowState = ssNormal;
    bool Active = true;
    bool MdiChild = false;
    // Frames are painted and regions built only while the skinner runs (1) or re-applies (3).
    int SkinState = 1;
};

class TFramePainter {
public:
    TFramePainter() = default;
    TFramePainter(const TFramePainter&) = delete;
    TFramePainter& operator=(const TFramePainter&) = delete;

    // The four border widths from the skin: zero for a window without caption, unchanged while
    // the skin data holds no skin.
    void ReadFrameMetrics(const TSkinData& data, int borderKind);
    const TFrameMetrics& Metrics() const { return metrics_; }
    void SetMenuHeight(int height) { metrics_.MenuHeight = height; }

    // The client rectangle of a window at `window` (any coordinates) under the skinned frame;
    // never inverted, however small the window (a minimised one is shorter than its frame).
    RECT ClientRectFor(const RECT& window) const;

    // The whole frame: borders, title bar, menu band. dc null: the window's own DC, released
    // again. Failures are swallowed; nothing outside states 1 and 3 or without a caption.
    void PaintFrame(const TFrameView& view, HDC dc);
    // Border piece 1 left, 2 right, 3 title, 4 bottom over rect of dc.
    void PaintBorder(const TFrameView& view, int index, const RECT& rect, HDC dc) const;
    // The title bar, composed in the title buffer, with its caption buttons and text.
    void PaintTitle(const TFrameView& view, HDC dc);

    // Gives the window the region of its borders' non-magenta pixels (a plain rectangle when no
    // border is transparent). Kept while the size stays, unless `rebuild` or the view is
    // re-applying a skin. The system owns a region once the window has it.
    void BuildRegion(const TFrameView& view, bool rebuild);
    // Takes the region away (redrawing when asked); the next BuildRegion makes a new one.
    void DropRegion(HWND window, bool redraw);
    // True while the window holds a region this painter gave it.
    bool HasRegion() const { return regionSet_; }

    // Renders the window's small icon once (its own, else its class's, else the program's, else
    // the system's application icon) into a bitmap with its transparency.
    void RenderIcon(HWND window);
    // Draws the rendered icon at rect's top-left corner, blended over what the DC shows.
    void DrawIcon(HDC dc, const RECT& rect) const;
    // The rendered icon: small-icon sized, 32 bits of premultiplied colour and alpha; empty
    // before RenderIcon.
    const TBitmap& IconBitmap() const { return iconBitmap_; }

    // Window size at the last frame paint.
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }

    // Paints the caption buttons into the title buffer (title rect in buffer coordinates) and
    // answers the part of the title they leave for the text. Unset: the whole title rect.
    std::function<RECT(HDC titleDC, const RECT& titleRect, const TFrameView& view)> PaintCaptionButtons;
    // Paints the menu bar band (rect in window coordinates); unset: filled with the face brush.
    std::function<void(HDC dc, const RECT& band)> PaintMenuBand;

private:
    void PaintTitleText(const TFrameView& view, HDC buffer, const RECT& title, const RECT& free, int windowWidth);
    TRegionHandle MakeRegion(const TFrameView& view, int width, int height) const;

    TFrameMetrics metrics_;
    int frameWidth_ = 0, frameHeight_ = 0;
    int regionWidth_ = 0, regionHeight_ = 0;
    bool regionSet_ = false;
    TBitmap iconBitmap_;
    // The title bar composed off-screen; kept between paints, remade when its size changes.
    TBitmap titleBuffer_;
};

}  // namespace tw
