// TCoveringPanel: the borderless window a skinner lays over a control it draws for (a scroll
// bar, a media player's buttons): a child of the control's parent right above the control in
// the z-order, painted by its family's Draw, its mouse messages answered by its family. It owns
// its window until the parent takes the window along.
#pragma once

#include <windows.h>

#include "framework/win/Handles.h"

namespace tw {

class TCoveringPanel {
public:
    virtual ~TCoveringPanel();
    TCoveringPanel(const TCoveringPanel&) = delete;
    TCoveringPanel& operator=(const TCoveringPanel&) = delete;

    HWND Handle() const { return window_.Get(); }
    HWND Target() const { return target_; }
    bool Shown() const { return shown_; }
    void Invalidate() const;
    // Draws the panel into dc at 0,0 (its paint, also for WM_PRINTCLIENT).
    virtual void Draw(HDC dc) = 0;

protected:
    // A hidden panel of the window class className over target; none when target has no parent.
    TCoveringPanel(const wchar_t* className, HWND target);
    // Lays the panel at bounds (the parent's client coordinates) right above the target and
    // shows it, or leaves it hidden there.
    void Cover(const RECT& bounds, bool show);
    void Hide();
    // Lets the mouse capture go when this panel holds it (a press may have set it, or the
    // system's own tracking taken it over).
    void ReleaseOwnCapture() const;
    // Every message but painting, erasing and the window's end: the family's mouse handling.
    virtual LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND target_;

private:
    static LRESULT CALLBACK Procedure(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    TWindowHandle window_;
    bool shown_ = false;
};

}  // namespace tw
