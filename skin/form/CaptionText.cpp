#include "skin/form/CaptionText.h"

#include "skin/data/FrameGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"

namespace tw {

namespace {

// The face the main window's Chinese texts use; the system maps it to a font with CJK glyphs.
constexpr wchar_t kCaptionFace[] = L"\x5B8B\x4F53";  // SimSun
constexpr int kDefaultFontHeight = 14;

UINT AlignmentFormat(TTitleAlignment alignment) {
    switch (alignment) {
        case taRight:
            return DT_RIGHT;
        case taCentre:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

}  // namespace

TColor TitleTextColour(const TSkinData& data, bool active) {
    const TDataSkinTitle* title = data.Title.get();
    const TColor own = title ? (active ? title->ActiveText : title->InActiveText) : kTitleColourNotGiven;
    if (own != kTitleColourNotGiven) return ResolveColor(own);
    return ResolveColor(active ? data.Colours.TitleTextActive : data.Colours.TitleTextNoActive);
}

HFONT TCaptionTextPainter::FontOfHeight(int height) {
    if (!font_ || height != fontHeight_) {
        // A negative height asks for glyphs of that many pixels, which bitmap CJK faces carry.
        font_.Reset(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kCaptionFace));
        fontHeight_ = height;
    }
    return font_.Get();
}

void TCaptionTextPainter::Paint(const TTitleTextRequest& r) {
    if (!r.DC || !r.SkinData || r.Text.empty() || !r.SkinData->Title) return;
    const TDataSkinTitle& title = *r.SkinData->Title;
    TTitleTextKeys keys;
    keys.TextShift = title.LeftWidth;
    keys.TextShiftVert = title.TopHeight;
    keys.TextRightClip = title.RightWidth;
    keys.TextAlignment = title.TextAlignment;
    keys.FontHeight = title.FontHeight > 0 ? title.FontHeight : kDefaultFontHeight;
    const TRect titleRect(r.TitleRect.left, r.TitleRect.top, r.TitleRect.right, r.TitleRect.bottom);
    const TRect free(r.TextArea.left, r.TextArea.top, r.TextArea.right, r.TextArea.bottom);
    const TTitleTextLayout layout = TitleTextLayoutOf(r.WindowWidth, titleRect, free, keys);
    if (layout.Empty()) return;
    HFONT font = FontOfHeight(keys.FontHeight);
    if (!font) return;

    const TSavedDC saved = SaveState(r.DC);
    SelectObject(r.DC, font);
    SetBkMode(r.DC, TRANSPARENT);
    SetTextColor(r.DC, static_cast<COLORREF>(TitleTextColour(*r.SkinData, r.Active)));
    RECT area{layout.Area.Left, layout.Area.Top, layout.Area.Right, layout.Area.Bottom};
    DrawTextW(r.DC, r.Text.c_str(), static_cast<int>(r.Text.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | AlignmentFormat(layout.Alignment));
}

}  // namespace tw
