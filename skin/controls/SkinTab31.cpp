#include "skin/controls/SkinTab31.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/Control.h"
#include "framework/win/FitText.h"
#include "framework/win/Handles.h"
#include "framework/win/TabSet.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/BitmapRoutines.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

// How far an unselected tab stops short of the selected one's bottom edge.
constexpr int kRaise = 3;

}  // namespace

TSkinTab31::TSkinTab31() = default;
TSkinTab31::~TSkinTab31() = default;

void TSkinTab31::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    PrepareImage();
    SkinScroller();
    Repaint();
}

void TSkinTab31::Detach() {
    scroller_.reset();
    TControlSkinner::Detach();
}

void TSkinTab31::SkinChanged() {
    // The new strip first: the base repaints with it.
    PrepareImage();
    if (scroller_) scroller_->SkinChanged();
    TControlSkinner::SkinChanged();
}

void TSkinTab31::WindowGoing() { scroller_.reset(); }

void TSkinTab31::PrepareImage() {
    tabImage_ = TBitmap();
    const TDataSkinBorder* tabs = skinData_ ? skinData_->Tabs.get() : nullptr;
    if (!tabs || tabs->Image.Empty()) return;
    // The tabs hang from the set's top edge: the strip drawn for tabs on top, upside down.
    tabImage_ = tabs->Image;
    tabImage_.SetPixelFormat(TPixelFormat::pf24bit);
    FlipBitmap(tabImage_);
}

void TSkinTab31::SkinScroller() {
    if (!control_ || !skinData_ || !form_ || control_->ComponentCount() == 0) return;
    auto* scroller = dynamic_cast<TWinControl*>(control_->Components(0));
    if (!scroller || !scroller->InheritsFrom("TTabScroller")) return;
    auto skinner = std::make_unique<TSkinUpDown>();
    skinner->AttachControl(*form_, *skinData_, *scroller, false);
    if (skinner->Attached()) scroller_ = std::move(skinner);
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintMessage(message);
            return false;
        case WM_ERASEBKGND:
            message.Result = 1;  // the paint covers the whole strip
            return false;
        default:
            return TControlSkinner::BeforeMessage(message);
    }
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
    if (!skinData_ || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const HBITMAP bitmap = buffer_.For(dc, width, height);
    if (!bitmap) return;
    TBitmapDC buffer(dc, bitmap);
    if (!buffer) return;
    HDC b = buffer.Get();
    FillFace(b, RECT{0, 0, width, height});

    auto* tabSet = dynamic_cast<TTabSet*>(control_);
    const TDataSkinBorder* tabs = skinData_->Tabs.get();
    if (tabSet && tabs && !tabImage_.Empty()) {
        const TSelection font = Select(b, tabSet->Font().Handle());
        SetBkMode(b, TRANSPARENT);
        const bool enabled = WindowEnabled();
        const COLORREF face = FaceColour();
        const std::vector<TTabSetTab> laid = tabSet->Layout();
        const int selected = tabSet->TabIndex();
        // The selected tab last, over its neighbours.
        std::vector<const TTabSetTab*> order;
        const TTabSetTab* raised = nullptr;
        for (const TTabSetTab& tab : laid) {
            if (tab.Index == selected) raised = &tab;
            else
                order.push_back(&tab);
        }
        if (raised) order.push_back(raised);
        TSliceOptions slice;
        slice.FrameCount = 5;
        slice.Tile = tabs->Tile == 1;
        slice.LeftWidth = tabs->LeftWidth;
        slice.RightWidth = tabs->RightWidth;
        // Upside down, the strip's top margin is at the bottom.
        slice.TopHeight = tabs->BottomHeight;
        slice.BottomHeight = tabs->TopHeight;
        for (const TTabSetTab* tab : order) {
            const bool isSelected = tab == raised;
            RECT r{tab->Left, 0, tab->Right, height - (isSelected ? 1 : kRaise)};
            if (isSelected) InflateRect(&r, kTabSetSelectedSpread, 0);
            slice.FrameIndex = isSelected ? 2 : 1;
            DrawNineSlice(b, r, tabImage_, slice, tabs->Trans != 0);
            COLORREF colour = ColorToRGB(ResolveColor(isSelected ? tabs->MouseOverColour2 : tabs->NormalColour2));
            if (!enabled) colour = ColorToRGB(Blend(static_cast<TColor>(colour), static_cast<TColor>(face), 50));
            SetTextColor(b, colour);
            const std::wstring& text = tabSet->Tabs()[static_cast<size_t>(tab->Index)];
            RECT textRect = r;
            DrawFitText(b, text, textRect, TextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
        }
    }
    // The scroll arrows paint themselves: the copy leaves their place alone (and the caller's
    // clipping as it was).
    const int saved = SaveDC(dc);
    if (tabSet && tabSet->ArrowsShown() && tabSet->Scroller().HandleAllocated()) {
        RECT a{};
        GetWindowRect(tabSet->Scroller().Handle(), &a);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&a), 2);
        ExcludeClipRect(dc, a.left, a.top, a.right, a.bottom);
    }
    BitBlt(dc, rect.left, rect.top, width, height, b, 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

}  // namespace tw
