#include "skin/manage/WinSkinPopMenu.h"

#include "framework/win/Handles.h"
#include "skin/data/NineSlice.h"
#include "skin/data/SkinData.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

namespace {

// The width of the menu frame that the system would draw; the items are printed inside it.
constexpr int kMenuEdge = 3;

// WM_NCPAINT's wParam of 1 stands for the whole window, not for a region.
bool WholeWindowRegion(WPARAM region) { return region == 0 || region == 1; }

}  // namespace

bool TWinSkinPopMenu::Wrap(HWND window, TSkinData* data, HMENU menu, TSkinningQuery skinning, void* context) {
    window_ = window;
    data_ = data;
    menu_ = menu;
    skinning_ = skinning;
    context_ = context;
    return subclass_.Install(window, TWndMethod::Of<TWinSkinPopMenu, &TWinSkinPopMenu::Route>(this));
}

void TWinSkinPopMenu::Unwrap() {
    if (!subclass_.Installed()) return;
    subclass_.Remove();
    background_ = TBitmap();
}

void TWinSkinPopMenu::Route(TMessage& message) {
    if (message.Msg == SKM_QUERY) {
        message.Result = 1;
        return;
    }
    if (!Skinning() || !data_) {
        subclass_.CallPrevious(message);
        return;
    }
    switch (message.Msg) {
        case WM_DESTROY:
            // The window below sees the message first; then this layer comes out of the chain.
            subclass_.CallPrevious(message);
            Unwrap();
            return;
        case WM_ERASEBKGND:
            if (!InSet(data_->Options, xoMenuBG)) subclass_.CallPrevious(message);
            message.Result = 1;
            return;
        case WM_NCPAINT:
            PaintFrame(message);
            return;
        case WM_PRINT:
            Print(message);
            return;
        case WM_PAINT:
            // Some systems draw the menu's own border with its items: the skin's edges go back
            // over it.
            subclass_.CallPrevious(message);
            RepaintEdges();
            return;
        default:
            subclass_.CallPrevious(message);
            return;
    }
}

bool TWinSkinPopMenu::RenderBackground() {
    const TDataSkinObject* object = data_ ? data_->MenuBackground.get() : nullptr;
    if (!object || object->Image.Empty()) return false;
    RECT bounds{};
    if (!GetWindowRect(window_, &bounds)) return false;
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return false;
    TSliceOptions options;
    options.Tile = object->Tile == 1;
    options.LeftWidth = object->LeftWidth;
    options.TopHeight = object->TopHeight;
    options.RightWidth = object->RightWidth;
    options.BottomHeight = object->BottomHeight;
    background_ = ComposeNineSlice(width, height, object->Image, options);
    return background_.Handle() != nullptr;
}

void TWinSkinPopMenu::PaintFrame(TMessage& message) {
    if (!RenderBackground()) {
        subclass_.CallPrevious(message);
        return;
    }
    // The region handed in stays the caller's: the DC works on a copy of it.
    HDC dc = nullptr;
    if (WholeWindowRegion(message.WParam)) {
        dc = GetWindowDC(window_);
    } else {
        TRegionHandle copy(CreateRectRgn(0, 0, 0, 0));
        if (copy && CombineRgn(copy.Get(), reinterpret_cast<HRGN>(message.WParam), nullptr, RGN_COPY) != ERROR)
            // With DCX_INTERSECTRGN the system takes the region over along with the DC.
            dc = GetDCEx(window_, copy.Release(), DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
        else
            dc = GetWindowDC(window_);
    }
    if (!dc) return;
    const TWindowDC windowDC(dc, TWindowDCTraits(window_));
    const TBitmapDC source(dc, background_);
    if (source) BitBlt(dc, 0, 0, background_.Width(), background_.Height(), source.Get(), 0, 0, SRCCOPY);
    message.Result = 0;
}

void TWinSkinPopMenu::RepaintEdges() {
    if (!RenderBackground()) return;
    const TWindowDC dc = WholeWindowDC(window_);
    if (!dc) return;
    const TBitmapDC source(dc.Get(), background_);
    if (!source) return;
    const int width = background_.Width(), height = background_.Height();
    BitBlt(dc.Get(), 0, 0, width, kMenuEdge, source.Get(), 0, 0, SRCCOPY);
    BitBlt(dc.Get(), 0, height - kMenuEdge, width, kMenuEdge, source.Get(), 0, height - kMenuEdge, SRCCOPY);
    BitBlt(dc.Get(), 0, 0, kMenuEdge, height, source.Get(), 0, 0, SRCCOPY);
    BitBlt(dc.Get(), width - kMenuEdge, 0, kMenuEdge, height, source.Get(), width - kMenuEdge, 0, SRCCOPY);
}

void TWinSkinPopMenu::Print(TMessage& message) {
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc || !RenderBackground()) {
        subclass_.CallPrevious(message);
        return;
    }
    const int width = background_.Width(), height = background_.Height();
    {
        const TBitmapDC source(dc, background_);
        if (source) BitBlt(dc, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    }
    // The caller's clip, background mode and the rest of its DC state come back as they were.
    const TSavedDC saved = SaveState(dc);
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, kMenuEdge, kMenuEdge, width - kMenuEdge, height - kMenuEdge);
    subclass_.CallPrevious(message);
}

}  // namespace tw
