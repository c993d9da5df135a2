// Questions to another process's window about its shape: messages and their answers, its
// rectangles, its region and what it says a point is.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tw::driver {

// Sends msg and answers what the window returned (fails after a few seconds without one).
LRESULT SendAndAnswer(HWND w, UINT msg, WPARAM wp, LPARAM lp);

struct WindowRects {
    RECT window{};  // screen coordinates
    RECT client{};  // screen coordinates
    // How far the client area sits inside the window on each side: the frame the window wears.
    RECT frame{};
};
WindowRects ReadRects(HWND w);

enum class RegionType { none, empty, simple, complex };
struct WindowRegion {
    RegionType type = RegionType::none;
    RECT box{};                // bounding box, window coordinates; the whole window when none
    std::vector<bool> inside;  // one per point asked about
};
// Points are in window coordinates (0,0 is the window's top-left corner), as the region's are.
// Without a region of its own the window's shape is its rectangle.
WindowRegion ReadRegion(HWND w, const std::vector<POINT>& points);
const wchar_t* RegionTypeName(RegionType type);

// The window's WM_NCHITTEST answer for a point in window coordinates.
LRESULT HitTest(HWND w, POINT windowPoint);

}  // namespace tw::driver
