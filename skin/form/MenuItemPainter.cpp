#include "skin/form/MenuItemPainter.h"

#include <algorithm>

#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "framework/win/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

// The popup's items start inside the frame the system would draw around them.
constexpr int kPopupEdge = 3;
constexpr UINT kTextFlags = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;

COLORREF Colour(TColor color) { return ColorToRGB(ResolveColor(color)); }

SIZE TextSize(HDC dc, const std::wstring& text) {
    std::wstring measured = text;
    // An empty caption or a lone "&" still takes a line.
    if (measured.empty() || measured == L"&") measured += L" ";
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

int ImageSizeOf(const TMenuItemView& view) {
    int width = 16, height = 16;
    if (view.Images) ImageList_GetIconSize(view.Images, &width, &height);
    return view.Checked ? std::max(width, 16) : width;
}

bool HasImage(const TMenuItemView& view) {
    return view.Images && view.ImageIndex >= 0 && view.ImageIndex < ImageList_GetImageCount(view.Images);
}

// The check and radio marks drawn in the text colour, so no system colour shows around them.
void DrawMark(HDC dc, const TRect& box, bool radio, COLORREF colour) {
    const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const TBrushHandle brush(CreateSolidBrush(colour));
    if (!pen || !brush) return;
    const TSelection keepPen = Select(dc, pen.Get());
    const TSelection keepBrush = Select(dc, brush.Get());
    if (radio) {
        Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
        return;
    }
    // A tick three pixels thick: down to the left foot, then up to the right.
    for (int t = 0; t < 3; ++t) {
        MoveToEx(dc, cx - 4, cy - 1 + t, nullptr);
        LineTo(dc, cx - 1, cy + 2 + t);
        LineTo(dc, cx + 5, cy - 4 + t);
    }
}

// A solid triangle pointing away from the text, in the text colour.
void DrawSubmenuArrow(HDC dc, const RECT& area, bool rightToLeft, COLORREF colour) {
    const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    const int tip = rightToLeft ? -1 : 1;
    const POINT points[3] = {{cx - 2 * tip, cy - 4}, {cx + 2 * tip, cy}, {cx - 2 * tip, cy + 4}};
    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const TBrushHandle brush(CreateSolidBrush(colour));
    if (!pen || !brush) return;
    const TSelection keepPen = Select(dc, pen.Get());
    const TSelection keepBrush = Select(dc, brush.Get());
    Polygon(dc, points, 3);
}

void DrawContent(HDC dc, const TRect& item, const TMenuItemView& view, bool selected, const TSkinData& data) {
    const TDataSkinObject* object = data.MenuItem.get();
    const int leftWidth = object ? object->LeftWidth : 0;
    const TSelection keepFont = Select(dc, MenuFont(view.Default));
    const SIZE caption = TextSize(dc, view.Caption);
    const TMenuItemBoxes boxes = MenuItemContentLayout(item, leftWidth, ImageSizeOf(view), view.IsSeparator(),
                                                       caption.cx, !view.ShortCut.empty(), view.RightToLeft);
    COLORREF text = Colour(selected ? data.Colours.HilightText : data.Colours.MenuText);
    if (!view.Enabled) {
        text = Colour(data.Colours.ButtonShadow);
        if (data.Colours.ButtonShadow == data.Colours.MenuText) text = GetSysColor(COLOR_BTNSHADOW);
    }
    if (HasImage(view)) {
        if (view.Checked) {
            // The checked image sits in a sunken box of the skin's shadow colour.
            const TBrushHandle shadow(CreateSolidBrush(Colour(data.Colours.ButtonShadow)));
            const RECT frame{boxes.Image.Left - 1, boxes.Image.Top - 1, boxes.Image.Right + 1, boxes.Image.Bottom + 1};
            FrameRect(dc, &frame, shadow.Get());
        }
        ImageList_Draw(view.Images, view.ImageIndex, dc, boxes.Image.Left, boxes.Image.Top,
                       view.Enabled ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50));
    } else if (view.Checked) {
        const TRect box(boxes.Image.Left, item.Top, boxes.Image.Right, item.Bottom);
        DrawMark(dc, box, view.Radio, text);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    RECT textRect{boxes.Text.Left, boxes.Text.Top, boxes.Text.Right, boxes.Text.Bottom};
    const UINT rtl = view.RightToLeft ? (DT_RIGHT | DT_RTLREADING) : DT_LEFT;
    DrawTextW(dc, view.Caption.c_str(), static_cast<int>(view.Caption.size()), &textRect, kTextFlags | rtl);
    if (!boxes.ShortCut.IsEmpty()) {
        RECT shortRect{boxes.ShortCut.Left, boxes.ShortCut.Top, boxes.ShortCut.Right, boxes.ShortCut.Bottom};
        DrawTextW(dc, view.ShortCut.c_str(), static_cast<int>(view.ShortCut.size()), &shortRect,
                  kTextFlags | (view.RightToLeft ? DT_LEFT : DT_RIGHT));
    }
    if (view.HasSubItems)
        DrawSubmenuArrow(dc, SubmenuArrowArea(RECT{item.Left, item.Top, item.Right, item.Bottom}, view.RightToLeft),
                         view.RightToLeft, text);
}

}  // namespace

TMenuItemView ViewOfItem(const TMenuItem& item, HIMAGELIST images) {
    TMenuItemView view;
    view.Caption = item.Caption();
    view.ShortCut = ShortCutToText(item.ShortCut());
    view.Enabled = item.Enabled();
    view.Checked = item.Checked();
    view.Radio = item.RadioItem();
    view.Default = item.Default();
    view.Images = images;
    view.ImageIndex = item.ImageIndex();
    view.HasSubItems = item.Count() > 0;
    return view;
}

TMenuItemView ViewOfRawItem(HMENU menu, UINT item, bool byPosition) {
    TMenuItemView view;
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 127;
    if (!GetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info) || (info.fType & MFT_SEPARATOR) ||
        text[0] == 0) {
        view.Caption = L"-";
        return view;
    }
    std::wstring whole = text;
    const size_t tab = whole.find(L'\t');
    view.Caption = whole.substr(0, tab);
    if (tab != std::wstring::npos) view.ShortCut = whole.substr(tab + 1);
    view.Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    view.Checked = (info.fState & MFS_CHECKED) != 0;
    view.Radio = (info.fType & MFT_RADIOCHECK) != 0;
    view.Default = (info.fState & MFS_DEFAULT) != 0;
    view.HasSubItems = info.hSubMenu != nullptr;
    return view;
}

HFONT MenuFont(bool bold) {
    static TFontHandle fonts[2];
    TFontHandle& font = fonts[bold ? 1 : 0];
    if (!font) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
            font = TFontHandle(CreateFontIndirectW(&metrics.lfMenuFont));
        }
    }
    return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

RECT SubmenuArrowArea(const RECT& item, bool rightToLeft) {
    // As wide as the system's own arrow may be, with a pixel to spare.
    const int width = std::max(GetSystemMetrics(SM_CXMENUCHECK), 16) + 1;
    return rightToLeft ? RECT{item.left, item.top, std::min(item.right, item.left + width), item.bottom}
                       : RECT{std::max(item.left, item.right - width), item.top, item.right, item.bottom};
}

SIZE MeasureMenuItem(const TSkinData& data, const TMenuItemView& view, TMenuItemHome home) {
    const int leftWidth = data.MenuItem ? data.MenuItem->LeftWidth : 0;
    if (view.IsSeparator()) return SIZE{MenuItemExtraWidth(home, view.Images != nullptr, leftWidth), 8};
    const TWindowDC screen = ClientDC(nullptr);
    const TSelection keepFont = Select(screen.Get(), MenuFont(view.Default));
    const SIZE caption = TextSize(screen.Get(), view.Caption);
    int width = caption.cx;
    // Air between the caption and its shortcut, and after the shortcut for the submenu arrow.
    if (!view.ShortCut.empty()) width += 24 + TextSize(screen.Get(), view.ShortCut).cx + 11;
    width += MenuItemExtraWidth(home, view.Images != nullptr, leftWidth);
    const int height = std::max<int>(caption.cy + 4, ImageSizeOf(view) + 4);
    return SIZE{width, height};
}

void DrawMenuItemCell(HDC dc, const RECT& rect, const TDataSkinObject& object, int cell) {
    DrawNineSlice(dc, rect, object.Image, SliceOptionsOf(object, 5, cell), object.Trans != 0);
}

void DrawSelectedMenuItemGround(HDC dc, const RECT& rect, const TSkinData& data) {
    const TDataSkinObject* object = data.MenuItem.get();
    if (object && !object->Image.Empty()) {
        DrawMenuItemCell(dc, rect, *object, 4);
        return;
    }
    const TBrushHandle fill(CreateSolidBrush(Colour(data.Colours.Hilight)));
    FillRect(dc, &rect, fill.Get());
}

void DrawMenuItem(HDC dc, const RECT& rect, const TMenuItemView& view, bool selected, const TSkinData& data,
                  HBITMAP popupBackground) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!dc || width <= 0 || height <= 0) return;
    // The item is composed off-screen and copied once.
    const TBitmapHandle bitmap(CreateCompatibleBitmap(dc, width, height));
    TBitmapDC item(dc, bitmap.Get());
    if (!item) return;
    bool ground = false;
    if (popupBackground) {
        TBitmapDC source(dc, popupBackground);
        BITMAP info{};
        if (source && GetObjectW(popupBackground, sizeof(info), &info) && info.bmWidth > 0)
            ground = BitBlt(item.Get(), 0, 0, width, height, source.Get(), rect.left + kPopupEdge,
                            rect.top + kPopupEdge, SRCCOPY) != FALSE;
    }
    const RECT local{0, 0, width, height};
    if (!ground) {
        const TBrushHandle fill(CreateSolidBrush(Colour(data.Colours.Menu)));
        FillRect(item.Get(), &local, fill.Get());
    }
    const TDataSkinObject* object = data.MenuItem.get();
    const bool image = object && !object->Image.Empty();
    const TRect itemRect(0, 0, width, height);
    if (view.IsSeparator()) {
        if (image) {
            // The separator is cell 2, from the bottom of the cell when it is taller than the item.
            const int cellHeight = object->Image.Height();
            const int h = std::min(cellHeight, height);
            const RECT line{0, (height - h) / 2, width, (height - h) / 2 + h};
            TSliceOptions options;
            options.FrameCount = 5;
            options.FrameIndex = 2;
            options.LeftWidth = object->LeftWidth;
            options.RightWidth = object->RightWidth;
            DrawThreeSlice(item.Get(), line, object->Image, options, true);
        } else {
            const TPenHandle pen(CreatePen(PS_SOLID, 1, Colour(data.Colours.ButtonShadow)));
            const TSelection keep = Select(item.Get(), pen.Get());
            MoveToEx(item.Get(), 2, height / 2, nullptr);
            LineTo(item.Get(), width - 2, height / 2);
        }
    } else {
        if (image) DrawMenuItemCell(item.Get(), local, *object, selected ? 4 : 1);
        else if (selected)
            DrawSelectedMenuItemGround(item.Get(), local, data);
        DrawContent(item.Get(), itemRect, view, selected, data);
    }
    BitBlt(dc, rect.left, rect.top, width, height, item.Get(), 0, 0, SRCCOPY);
}

}  // namespace tw
