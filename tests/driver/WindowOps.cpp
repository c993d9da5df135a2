#include "tests/driver/WindowOps.h"

#include "tests/driver/DriverError.h"
#include "tests/driver/Output.h"
#include "tests/driver/WindowFind.h"

namespace tw::driver {

namespace {

// The window may have gone between finding it and asking it.
void RequireWindow(HWND w) {
    if (!IsWindow(w)) Fail(L"window " + HandleText(w) + L" is gone");
}

// An empty region to copy a window's region into, deleted when the question is answered.
class TRegion {
public:
    TRegion() : handle_(CreateRectRgn(0, 0, 0, 0)) {
        if (!handle_) Fail(L"cannot create a region");
    }
    ~TRegion() { DeleteObject(handle_); }
    TRegion(const TRegion&) = delete;
    TRegion& operator=(const TRegion&) = delete;
    HRGN Get() const { return handle_; }

private:
    HRGN handle_;
};

}  // namespace

LRESULT SendAndAnswer(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    RequireWindow(w);
    return SendTimed(w, msg, wp, lp);
}

WindowRects ReadRects(HWND w) {
    RequireWindow(w);
    WindowRects r;
    if (!GetWindowRect(w, &r.window) || !GetClientRect(w, &r.client)) {
        Fail(L"cannot read the rectangles of " + HandleText(w));
    }
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    OffsetRect(&r.client, origin.x, origin.y);
    r.frame = RECT{r.client.left - r.window.left, r.client.top - r.window.top, r.window.right - r.client.right,
                   r.window.bottom - r.client.bottom};
    return r;
}

WindowRegion ReadRegion(HWND w, const std::vector<POINT>& points) {
    RequireWindow(w);
    WindowRegion r;
    TRegion region;
    switch (GetWindowRgn(w, region.Get())) {
        case NULLREGION:
            r.type = RegionType::empty;
            break;
        case SIMPLEREGION:
            r.type = RegionType::simple;
            break;
        case COMPLEXREGION:
            r.type = RegionType::complex;
            break;
        default:
            r.type = RegionType::none;  // ERROR: the window has no region
    }
    if (r.type == RegionType::none) {
        RECT window{};
        GetWindowRect(w, &window);
        r.box = RECT{0, 0, window.right - window.left, window.bottom - window.top};
        for (const POINT& p : points) r.inside.push_back(PtInRect(&r.box, p) != FALSE);
        return r;
    }
    GetRgnBox(region.Get(), &r.box);
    for (const POINT& p : points) r.inside.push_back(PtInRegion(region.Get(), p.x, p.y) != FALSE);
    return r;
}

const wchar_t* RegionTypeName(RegionType type) {
    switch (type) {
        case RegionType::empty:
            return L"empty";
        case RegionType::simple:
            return L"simple";
        case RegionType::complex:
            return L"complex";
        default:
            return L"none";
    }
}

LRESULT HitTest(HWND w, POINT windowPoint) {
    RequireWindow(w);
    RECT window{};
    GetWindowRect(w, &window);
    const int x = window.left + windowPoint.x, y = window.top + windowPoint.y;
    // The message carries the screen point as two signed 16-bit halves.
    const LPARAM point = static_cast<LPARAM>(static_cast<DWORD>(
        MAKELONG(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)))));
    return SendTimed(w, WM_NCHITTEST, 0, point);
}

}  // namespace tw::driver
