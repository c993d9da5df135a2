// TControlSkinner: the base of every control skinner. It takes over the messages of one control
// window, either a framework control's (through its WindowProc) or a bare window's (as a layer
// of its subclass chain), keeps the control's visual state and paints it through the family's
// DrawSkin, off-screen first. Owned by the form skinner's list; it may be freed while one of
// its messages is still running (a click handler can end the skin), so its routing never
// touches the object again once it learns it is gone.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/win/Messages.h"
#include "framework/win/Subclass.h"
#include "skin/controls/PaintBuffer.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/SkinControl.h"

namespace tw {

class TWinControl;
class TControl;
class TWinSkinForm;
class TSkinData;
class TDataSkinObject;
class TControlMethodRelay;

// Messages every control skinner answers.
enum : UINT {
    SKM_ENABLE = 0x3506,  // wParam > 0: skin this window again and repaint; <= 0: stand aside
};

// A control tagged this way, or every control when the skin sets xoTransparent, shows its
// parent's picture where its face would be.
constexpr int kParentPictureTag = 5555;
bool ShowsParentPicture(int tag, const TSkinData& data);

// Bits of the mouse state.
enum : unsigned { msHot = 1, msPressed = 2 };

class TControlSkinner : public TSkinControl {
public:
    TControlSkinner() = default;
    ~TControlSkinner() override;

    // Attaches to a framework control (recolour: its Color follows the skin face meanwhile).
    virtual void AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour);
    // Attaches to a bare window that has no framework control.
    virtual void AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form);
    // Takes the skinner out of the window's messages (only where its own layer is still the one
    // it installed) and gives the control its colour back.
    void Detach() override;
    void SkinChanged() override;

    bool Attached() const { return attached_; }
    bool Active() const { return active_; }
    TWinControl* FrameworkControl() const { return control_; }
    HWND Handle() const { return TSkinControl::Control(); }
    unsigned MouseState() const { return mouseState_; }

    // The installed message method (the relay calls it for framework controls).
    void Route(TMessage& message);
    // The framework control's components are going: from now on the window is none of ours.
    void ControlGoing();

protected:
    // Pre-handler: true lets the previous procedure run (and the post-handler after it).
    virtual bool BeforeMessage(TMessage& message);
    // Post-handler, after the previous procedure ran.
    virtual void AfterMessage(TMessage& message);
    // The framework control is going and its window with it, unseen by this skinner: windows
    // of the skinner's own that draw for it go now, not at the next sweep.
    virtual void WindowGoing() {}
    // Draws the skinned control into dc within rect (window coordinates, origin 0,0).
    virtual void DrawSkin(HDC /*dc*/, const RECT& /*rect*/) {}

    // CM_RECREATEWND: the control destroys its window and makes a new one inside this call
    // (windows of the skinner's own for the old one go first); the skinner attaches to the new
    // window afresh, reading what it reads at attach again, and paints it.
    void FollowRecreation(TMessage& message);
    // Attaches to a windowless framework control: its messages come through its WindowProc, its
    // paint through its parent's; it has no window of its own.
    void AttachWindowless(TWinSkinForm& form, TSkinData& data, TControl& control);
    // Passes the message to the procedure below this skinner.
    void CallPrevious(TMessage& message);
    // Paints the whole window into dc, or into the window's own DC when dc is none.
    void PaintFrame(HDC dc);
    // WM_PAINT and WM_PRINTCLIENT: the skin into the DC given, or between BeginPaint and EndPaint.
    void PaintMessage(TMessage& message);
    // The messages of a skinner that paints its whole window: WM_PAINT and WM_PRINTCLIENT are
    // painted through DrawSkin, WM_ERASEBKGND erases nothing (the paint covers everything).
    // False for any other message.
    bool PaintWholeWindow(TMessage& message);
    // Composes rect's picture off-screen, draw(bufferDC, width, height) with its origin at 0,0,
    // and copies it to dc at rect's corner; nothing is drawn when no buffer can be made.
    template <class Draw>
    void PaintBuffered(HDC dc, const RECT& rect, Draw&& draw) {
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        if (width <= 0 || height <= 0) return;
        const HBITMAP bitmap = buffer_.For(dc, width, height);
        if (!bitmap) return;
        TBitmapDC buffer(dc, bitmap);
        if (!buffer) return;
        draw(buffer.Get(), width, height);
        BitBlt(dc, rect.left, rect.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
    }
    // Follows the pointer over the control's items: on WM_MOUSEMOVE the item itemAt(point)
    // names (-1 for none) becomes hot, on WM_MOUSELEAVE none is; a change repaints the control.
    template <class ItemAt>
    void FollowHotItem(const TMessage& message, int& hot, ItemAt&& itemAt) {
        int now = hot;
        if (message.Msg == WM_MOUSEMOVE) {
            now = itemAt(POINT{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))});
            TrackLeave();
        } else if (message.Msg == WM_MOUSELEAVE) {
            now = -1;
        }
        if (now == hot) return;
        hot = now;
        Repaint();
    }
    // Invalidates the whole window with erasing and paints it now.
    void Repaint();
    // Asks for WM_MOUSELEAVE once the pointer leaves the window.
    void TrackLeave();
    // The framework control's mouse-down entry with the press in message (client coordinates,
    // from the cursor when the control is too large for the packed ones).
    void ForwardMouseDown(const TMessage& message);

    // Shared drawing.
    COLORREF FaceColour() const;
    void FillFace(HDC dc, const RECT& rect) const;
    static void FillColour(HDC dc, const RECT& rect, COLORREF colour);
    // One frame (from 1) of an object's strip of frameCount frames, nine-sliced to rect.
    static void DrawSkinObject(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TDataSkinObject& object);
    // The caption: the window text, or the framework control's Caption.
    std::wstring CaptionText() const;
    bool Focused() const { return GetFocus() == Handle(); }
    bool WindowEnabled() const;
    // DT_RTLREADING when the window reads right to left.
    UINT TextFormat(UINT format) const;

    TSkinData* skinData_ = nullptr;
    TWinSkinForm* form_ = nullptr;
    TWinControl* control_ = nullptr;
    unsigned mouseState_ = 0;
    RECT windowRect_{};
    int classMode_ = 0;
    TPaintBuffer buffer_;  // the off-screen picture, kept while the window keeps its size

private:
    void ParentBackgroundStep(bool attaching);
    void RestoreLook();
    void LeaveWindow();

    // Shared with every routing frame on the stack: false once this object is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    TControlMethodRelay* relay_ = nullptr;  // owned by the control while installed
    TWindowSubclass subclass_;
    bool attached_ = false;
    bool active_ = true;
    bool recolour_ = false;
    bool parentBackgroundCleared_ = false;
    unsigned savedColor_ = 0;
};

}  // namespace tw
