#include "skin/form/PaintControlTo.h"

#include <algorithm>
#include <vector>

#include "framework/win/Handles.h"

namespace tw {

namespace {

// The controls whose background is being painted on this thread, innermost last.
thread_local std::vector<const TControl*> painting;

class TPaintingMark {
public:
    explicit TPaintingMark(const TControl& control) { painting.push_back(&control); }
    ~TPaintingMark() { painting.pop_back(); }
    TPaintingMark(const TPaintingMark&) = delete;
    TPaintingMark& operator=(const TPaintingMark&) = delete;
};

}  // namespace

bool PaintControlTo(TControl& control, HDC dc) noexcept {
    try {
        TWinControl* parent = control.Parent();
        if (!dc || !parent || !parent->HandleAllocated()) return false;
        if (std::find(painting.begin(), painting.end(), &control) != painting.end()) return false;
        TPaintingMark mark(control);
        const TSavedDC saved = SaveState(dc);
        const RECT bounds = control.BoundsRect();
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x - bounds.left, origin.y - bounds.top, nullptr);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        HWND wnd = parent->Handle();
        // Through the window, so that the parent's skinners and subclasses take part; nothing
        // thrown in there leaves the framework's window procedure.
        SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace tw
