#include "skin/controls/SkinHeader.h"

#include <commctrl.h>

#include "framework/win/FitText.h"
#include "framework/win/Graphics.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"

namespace tw {

void TSkinHeader::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    hotItem_ = -1;
}

void TSkinHeader::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    hotItem_ = -1;
}

bool TSkinHeader::HasImage() const { return skinData_ && skinData_->Headerbar && !skinData_->Headerbar->Image.Empty(); }

bool TSkinHeader::BeforeMessage(TMessage& message) {
    if (HasImage() && PaintWholeWindow(message)) return false;
    return TControlSkinner::BeforeMessage(message);
}

void TSkinHeader::AfterMessage(TMessage& message) {
    FollowHotItem(message, hotItem_, [this](POINT point) {
        for (size_t i = 0; i < itemRects_.size(); ++i)
            if (PtInRect(&itemRects_[i], point)) return static_cast<int>(i);
        return -1;
    });
    TControlSkinner::AfterMessage(message);
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& rect, HFONT font) {
    const TDataSkinObject& bar = *skinData_->Headerbar;
    DrawSkinObject(dc, rect, bar.FrameCount, index == hotItem_ ? 2 : 1, bar);
    wchar_t text[201] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = 200;
    if (!SendMessageW(Handle(), HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return;
    RECT textRect{rect.left + 4, rect.top, rect.right - 4, rect.bottom};
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), HDM_GETIMAGELIST, 0, 0));
    if (images && (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) && item.iImage >= 0) {
        int w = 0, h = 0;
        ImageList_GetIconSize(images, &w, &h);
        ImageList_Draw(images, item.iImage, dc, textRect.left, rect.top + (rect.bottom - rect.top - h) / 2,
                       ILD_TRANSPARENT);
        textRect.left += w + 3;
    }
    if (!text[0]) return;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (item.fmt & HDF_RIGHT) format |= DT_RIGHT;
    else if (item.fmt & HDF_CENTER)
        format |= DT_CENTER;
    const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SetTextColor(dc, ColorToRGB(ResolveColor(skinData_->Colours.ButtonText)));
    DrawFitText(dc, text, textRect, TextFormat(format));
    if (old) SelectObject(dc, old);
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasImage()) return;
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        SetBkMode(b, TRANSPARENT);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        const int count = static_cast<int>(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0));
        itemRects_.assign(static_cast<size_t>(count > 0 ? count : 0), RECT{});
        int right = 0;
        for (int i = 0; i < count; ++i) {
            RECT r{};
            if (!SendMessageW(Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
                continue;
            if (r.right <= r.left) continue;
            DrawItem(b, i, r, font);
            itemRects_[static_cast<size_t>(i)] = RECT{r.left + 3, r.top, r.right - 3, r.bottom};
            if (r.right > right) right = r.right;
        }
        if (right < width) {
            const TDataSkinObject& bar = *skinData_->Headerbar;
            DrawSkinObject(b, RECT{right, 0, width, height}, bar.FrameCount, 1, bar);
        }
    });
}

}  // namespace tw
