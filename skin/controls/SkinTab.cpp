#include "skin/controls/SkinTab.h"

#include <commctrl.h>

#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "framework/win/TabControls.h"
#include "skin/data/BitmapRoutines.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

RECT ToRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromRect(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

void Turn(TBitmap& image, TTabImageTurn turn) {
    if (image.Empty()) return;
    image.SetPixelFormat(TPixelFormat::pf24bit);
    switch (turn) {
        case TTabImageTurn::None:
            break;
        case TTabImageTurn::Flip:
            FlipBitmap(image);
            break;
        case TTabImageTurn::TurnLeft:
            RotateLeft(image);
            break;
        case TTabImageTurn::TurnRight:
            RotateRight(image);
            break;
    }
}

}  // namespace

void TSkinTab::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    closable_ = control.Tag() == kClosableTabsTag && dynamic_cast<TPageControl*>(&control) != nullptr;
    PrepareImages();
    Repaint();
}

void TSkinTab::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    if (!Attached()) return;
    closable_ = false;
    PrepareImages();
    Repaint();
}

void TSkinTab::SkinChanged() {
    TControlSkinner::SkinChanged();
    PrepareImages();
    if (arrows_) arrows_->SkinChanged();
}

void TSkinTab::PrepareImages() {
    tabImage_ = TBitmap();
    paneImage_ = TBitmap();
    if (!skinData_ || !Handle()) return;
    side_ = TabSideOfStyle(static_cast<uint32_t>(GetWindowLongPtrW(Handle(), GWL_STYLE)));
    const TDataSkinBorder* tabs = skinData_->Tabs.get();
    if (!tabs) return;
    if (!tabs->Image.Empty()) tabImage_ = tabs->Image;
    if (tabs->Style == 0 && !tabs->SecondImage.Empty()) paneImage_ = tabs->SecondImage;
    else if (tabs->Style == 1 && skinData_->TabPane)
        paneImage_ = skinData_->TabPane->Image;
    const TTabImageTurn turn = TabImageTurn(side_);
    Turn(tabImage_, turn);
    Turn(paneImage_, turn);
}

bool TSkinTab::BeforeMessage(TMessage& message) {
    if (PaintWholeWindow(message)) return false;
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
            if (closable_ && CloseAt(POINT{static_cast<short>(LOWORD(message.LParam)),
                                           static_cast<short>(HIWORD(message.LParam))})) {
                message.Result = 0;
                return false;
            }
            break;
        default:
            break;
    }
    return TControlSkinner::BeforeMessage(message);
}

bool TSkinTab::CloseAt(POINT point) {
    const int index = TabCloseBoxAt(closeBoxes_, point.x, point.y);
    if (index < 0) return false;
    HWND window = Handle();
    const bool keep = form_ && SendMessageW(form_->Handle(), SKM_TABCLOSE, reinterpret_cast<WPARAM>(window),
                                            static_cast<LPARAM>(index)) != 0;
    if (keep) return true;
    closeBoxes_.clear();
    // The page control stays; only the page under the box goes (this skinner lives on).
    auto* pages = dynamic_cast<TPageControl*>(FindControlOfWindow(window));
    if (TTabSheet* page = pages ? pages->Pages(index) : nullptr) delete page;
    if (IsWindow(window)) InvalidateRect(window, nullptr, TRUE);
    return true;
}

void TSkinTab::DrawCaption(HDC dc, const RECT& tab, const std::wstring& text, COLORREF colour, HFONT turnedFont) {
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    if (side_ == TTabSide::Top || side_ == TTabSide::Bottom) {
        RECT r = tab;
        DrawFitText(dc, text, r, TextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
        return;
    }
    // Turned captions: left tabs read bottom to top, right tabs top to bottom.
    const TSelection selectFont = Select(dc, turnedFont);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int cx = (tab.left + tab.right) / 2, cy = (tab.top + tab.bottom) / 2;
    const UINT align = SetTextAlign(dc, TA_LEFT | TA_TOP);
    if (side_ == TTabSide::Left)
        TextOutW(dc, cx - extent.cy / 2, cy + extent.cx / 2, text.c_str(), static_cast<int>(text.size()));
    else
        TextOutW(dc, cx + extent.cy / 2, cy - extent.cx / 2, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(dc, align);
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
    if (!skinData_ || rect.right <= rect.left || rect.bottom <= rect.top) return;
    HWND window = Handle();
    PaintBuffered(dc, rect, [&](HDC b, int width, int height) {
        FillFace(b, RECT{0, 0, width, height});

        side_ = TabSideOfStyle(static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE)));
        RECT display{0, 0, width, height};
        SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        const TRect page = TabPageArea(side_, FromRect(display));

        const TDataSkinBorder* tabs = skinData_->Tabs.get();
        if (!paneImage_.Empty()) {
            TSliceOptions pane;
            if (tabs && tabs->Style != 0 && skinData_->TabPane) pane = SliceOptionsOf(*skinData_->TabPane, 1, 1);
            else {
                pane.LeftWidth = 4;
                pane.TopHeight = 5;
                pane.RightWidth = 4;
                pane.BottomHeight = 4;
            }
            DrawNineSlice(b, ToRect(page), paneImage_, TabSlice(side_, pane), false);
        }

        const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
        const int selected = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
        closeBoxes_.assign(static_cast<size_t>(count > 0 ? count : 0), TRect{});
        if (tabs && !tabImage_.Empty() && count > 0) {
            HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
            if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
            LOGFONTW turned{};
            GetObjectW(font, sizeof(turned), &turned);
            turned.lfEscapement = turned.lfOrientation = side_ == TTabSide::Left ? 900 : 2700;
            const TFontHandle turnedFont(CreateFontIndirectW(&turned));
            const TSelection selectFont = Select(b, font);
            const bool enabled = WindowEnabled();
            const COLORREF face = ColorToRGB(FaceColour());
            const HWND arrows = FindWindowExW(window, nullptr, UPDOWN_CLASSW, nullptr);
            if (arrows && (!arrows_ || arrows_->Handle() != arrows || !arrows_->Attached())) {
                arrows_ = std::make_unique<TSkinTabArrows>();
                arrows_->AttachWindow(arrows, *skinData_, *form_);
            }
            for (int i = 0; i < count; ++i) {
                RECT r{};
                if (!SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
                    continue;
                const bool isSelected = i == selected;
                if (isSelected) {
                    // The selected tab stands out toward the page, as the system draws it.
                    InflateRect(&r, side_ == TTabSide::Top || side_ == TTabSide::Bottom ? 2 : 0,
                                side_ == TTabSide::Left || side_ == TTabSide::Right ? 2 : 0);
                }
                const TSliceOptions slice = TabSlice(side_, SliceOptionsOf(*tabs, 5, isSelected ? 2 : 1));
                DrawNineSlice(b, r, tabImage_, slice, tabs->Trans != 0);
                COLORREF colour = ColorToRGB(ResolveColor(isSelected ? tabs->MouseOverColour2 : tabs->NormalColour2));
                if (!enabled) colour = ColorToRGB(Blend(static_cast<TColor>(colour), static_cast<TColor>(face), 50));
                wchar_t text[81] = {};
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text;
                item.cchTextMax = 80;
                SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
                RECT textRect = r;
                if (closable_) {
                    const TRect box = TabCloseBox(side_, FromRect(r));
                    closeBoxes_[static_cast<size_t>(i)] = box;
                    const TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
                    const TSelection selectPen = Select(b, pen.Get());
                    const TSelection selectBrush = Select(b, GetStockObject(NULL_BRUSH));
                    Rectangle(b, box.Left, box.Top, box.Right, box.Bottom);
                    MoveToEx(b, box.Left, box.Top, nullptr);
                    LineTo(b, box.Right, box.Bottom);
                    MoveToEx(b, box.Right - 1, box.Top, nullptr);
                    LineTo(b, box.Left - 1, box.Bottom);
                    if (side_ == TTabSide::Top || side_ == TTabSide::Bottom) textRect.right = box.Left;
                    else if (side_ == TTabSide::Left)
                        textRect.top = box.Bottom;
                    else
                        textRect.bottom = box.Top;
                }
                DrawCaption(b, textRect, text, colour, turnedFont.Get());
            }
            if (arrows && IsWindowVisible(arrows)) {
                // The scroll arrows paint themselves: the copy leaves their place alone.
                RECT a{};
                GetWindowRect(arrows, &a);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&a), 2);
                ExcludeClipRect(dc, a.left, a.top, a.right, a.bottom);
            }
        }
    });
}

}  // namespace tw
