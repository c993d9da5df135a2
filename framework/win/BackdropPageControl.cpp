#include "framework/win/BackdropPageControl.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"

namespace tw {

namespace {

std::string SizeText(const TGlyphBitmap& b) { return std::to_string(b.Width()) + "x" + std::to_string(b.Height()); }

// Stretches the whole picture over r.
void StretchPicture(HDC dc, const RECT& r, const TGlyphBitmap& picture) {
    const TMemoryDC source = CompatibleDC(dc);
    if (!source) return;
    const TSelection select = Select(source.Get(), picture.Handle());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, picture.Width(),
               picture.Height(), SRCCOPY);
}

}  // namespace

const TClassInfo& TBackdropPageControl::StaticClassInfo() {
    static const TClassInfo info{
        "TBackdropPageControl",
        &TPageControl::StaticClassInfo(),
        {
            ObjProp<TBackdropPageControl>(
                "TabBackGround", [](const TBackdropPageControl& c) { return const_cast<TGlyphBitmap*>(&c.back_); }),
            ObjProp<TBackdropPageControl>(
                "TabBackGroundActive",
                [](const TBackdropPageControl& c) { return const_cast<TGlyphBitmap*>(&c.active_); }),
            // "WxH WxH" of the two pictures, for a look from outside the process.
            StrProp<TBackdropPageControl>(
                "TabBackGroundSizes",
                [](const TBackdropPageControl& c) { return SizeText(c.back_) + " " + SizeText(c.active_); },
                [](TBackdropPageControl&, const std::string&) {}),
        }};
    return info;
}

TBackdropPageControl::TBackdropPageControl(TComponent* owner) : TPageControl(owner) {
    // A new picture shows at once.
    back_.OnChange = [this] { Invalidate(); };
    active_.OnChange = [this] { Invalidate(); };
}

void TBackdropPageControl::WndProc(TMessage& message) {
    if (PaintsOwnTabs() && HandleAllocated()) {
        switch (message.Msg) {
            case WM_ERASEBKGND:
                message.Result = 1;  // the paint covers the whole control
                return;
            case WM_PAINT:
            case WM_PRINTCLIENT: {
                PAINTSTRUCT ps{};
                HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(Handle(), &ps);
                PaintTabs(dc);
                if (!message.WParam) EndPaint(Handle(), &ps);
                message.Result = 0;
                return;
            }
            default:
                break;
        }
    }
    TPageControl::WndProc(message);
}

void TBackdropPageControl::PaintTabs(HDC dc) {
    HWND window = Handle();
    RECT client{};
    GetClientRect(window, &client);
    const TBrushHandle face(CreateSolidBrush(ColorToRGB(color_)));
    FillRect(dc, &client, face.Get());
    // The page's edge: the face darkened, so no system colour shows.
    const COLORREF faceRGB = ColorToRGB(color_);
    const COLORREF edge = RGB(GetRValue(faceRGB) / 2, GetGValue(faceRGB) / 2, GetBValue(faceRGB) / 2);
    RECT page = DisplayRect();
    InflateRect(&page, 2, 2);
    const TBrushHandle edgeBrush(CreateSolidBrush(edge));
    FrameRect(dc, &page, edgeBrush.Get());

    const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    const TSelection font = Select(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(font_.Color()));
    HWND arrows = FindWindowExW(window, nullptr, UPDOWN_CLASSW, nullptr);
    if (arrows && IsWindowVisible(arrows)) {
        RECT a{};
        GetWindowRect(arrows, &a);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&a), 2);
        ExcludeClipRect(dc, a.left, a.top, a.right, a.bottom);
    }
    // The selected tab last, over its neighbours.
    std::vector<int> order;
    for (int i = 0; i < count; ++i)
        if (i != selected) order.push_back(i);
    if (selected >= 0 && selected < count) order.push_back(selected);
    for (int i : order) {
        RECT r{};
        if (!SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        if (i == selected) InflateRect(&r, 2, 2);  // the selected tab stands out, as the system's does
        StretchPicture(dc, r, i == selected ? active_ : back_);
        wchar_t text[81] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 80;
        SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

}  // namespace tw
