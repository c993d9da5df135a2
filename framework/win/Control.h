// TControl, TGraphicControl and TWinControl: the visual component classes. Every control's
// messages go through its replaceable WindowProc method; windowed controls create their
// window on demand, windowless ones are painted by their parent.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/win/Graphics.h"
#include "framework/win/Messages.h"

namespace tw {

class TWinControl;
class TForm;
class TPopupMenu;

// The two colours of 3-D edges (bevels) and of engraved disabled text: the lit side (the line
// under the text) and the shaded side (the text itself).
struct TEdgeColours {
    COLORREF Light = 0, Shadow = 0;
};

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

class TControl : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& text);
    const std::wstring& Text() const { return Caption(); }
    void SetText(const std::wstring& text) { SetCaption(text); }

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Enabled, and so is every parent: what the control looks like and whether it takes input.
    bool EffectivelyEnabled() const;
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    virtual void Invalidate();
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // The replaceable message entry; by default bound to WndProc. A skinner keeps the current
    // value, installs its own and calls the kept one for the messages it passes on.
    TWndMethod WindowProc;

    // The form this control sits on (the top of its parent chain), or null.
    TForm* ParentForm() const;

    // Colours for the bevels and disabled text this control draws: its own, or the nearest
    // parent's that has some (a skin sets them on the form it paints), or null for the system's.
    const TEdgeColours* EdgeColours() const;
    void SetEdgeColours(const TEdgeColours* colours);

    // The menu a right click, Shift+F10 or the menu key on the control shows; none by default
    // (then the parent's shows, if it has one). Forgotten when the menu goes.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    TNotifyEvent OnClick;
    // A press seen by the control: the keys of the mouse message and the client point.
    std::function<void(TObject* sender, unsigned keys, POINT point)> OnMouseDown;

    // The click of a press that a skinner kept from the control's own procedure.
    void PerformClick() { Click(); }
    // The framework's mouse-down handling, for a skinner that consumed WM_LBUTTONDOWN.
    void MouseDown(unsigned keys, POINT point);

protected:
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    virtual void TextChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void BoundsChanged() {}
    virtual void Click();
    void Notification(TComponent* component, TOperation operation) override;

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::wstring caption_;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    bool mouseInside_ = false;
    std::unique_ptr<TEdgeColours> edgeColours_;
    TPopupMenu* popupMenu_ = nullptr;

    friend class TWinControl;
};

// A control without a window of its own; its parent paints it and forwards its mouse input.
class TGraphicControl : public TControl {
    TW_CLASS_INFO()
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    void Invalidate() override;

protected:
    void WndProc(TMessage& message) override;
    // Paints into dc, whose origin is the control's top-left corner.
    virtual void Paint(HDC dc) = 0;
};

// Window-creation parameters: the framework class name to register, the system class it is
// built on (none for a class of our own), styles and the initial text.
struct TCreateParams {
    std::wstring ClassName;
    std::wstring BaseClassName;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND ParentWnd = nullptr;
    std::wstring Caption;
    UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
    TW_CLASS_INFO()
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes it again with the current properties (posted, so a
    // control may ask for it from inside its own messages).
    void RecreateWnd();
    void DestroyHandle();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // Windowed children in tab order.
    std::vector<TWinControl*> TabList() const;
    // Every windowed control below this one, nested ones included, in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    void Invalidate() override;
    void SetFocus();
    bool Focused() const;
    bool CanFocus() const;

    // The windowless child at a client point, or null.
    TControl* ControlAtPos(POINT pt) const;
    // Paints the windowless children into dc (client coordinates), for a skinner that paints
    // the control itself.
    void PaintWindowlessChildren(HDC dc) { PaintControls(dc); }

protected:
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Called once the window exists: send it the font and the state kept while it did not.
    virtual void HandleCreated();
    virtual void DestroyWnd();
    // Paints the windowless children over what the window painted.
    void PaintControls(HDC dc);
    // Erase with Color; classes of our own call this for WM_ERASEBKGND.
    void EraseWithColor(HDC dc);
    void FontChanged() override;
    void ColorChanged() override;
    // A window that exists shows the new text at once.
    void TextChanged() override;

private:
    friend class TControl;
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Gives this window and every window below it the enabled state its parent chain implies.
    void ApplyEnabledToWindows();
    void AttachHandle(HWND wnd);
    void DetachHandle();
    bool ReflectToChild(TMessage& message);
    void ForwardMouseToGraphic(TMessage& message);
    // Tells the windowless child under the mouse that it entered, and the one before it that it left.
    void HoverGraphic(TControl* control);

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool creating_ = false;
    TControl* mouseControl_ = nullptr;
    TControl* hoverControl_ = nullptr;  // the windowless child the mouse is over
    TBrushHandle brush_;
};

// The class procedure of every framework window: finds the control and calls its WindowProc.
LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The framework control of a window the framework created, or null. The control is kept in a
// window property named after the module and the GUI thread.
TWinControl* FindControlOfWindow(HWND wnd);

}  // namespace tw
