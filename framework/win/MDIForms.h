// TMDIForm and TMDIChild: a frame window with its MDI client, and the child forms inside it.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/win/Forms.h"
#include "framework/win/Handles.h"

namespace tw {

class TMDIChild;
class TMenuItem;

// The first command id the MDI client gives the children it lists in the window menu.
constexpr UINT kFirstMDIChildId = 0xFF00;

class TMDIForm : public TForm {
    TW_CLASS_INFO()
public:
    explicit TMDIForm(TComponent* owner);

    // The "MDICLIENT" window that holds the children; made with the frame.
    HWND ClientHandle() const { return client_; }
    // The popup menu the client appends its list of children to (set before the handle is made,
    // or merged in at once when the handle is there).
    HMENU WindowMenu() const;
    void SetWindowMenu(HMENU menu);
    // The window menu as an item of the main menu: the menu is built anew on every change, and
    // the client is given the item's new popup each time.
    void SetWindowMenuItem(TMenuItem* item);

    void Tile();
    void Cascade();
    void ArrangeIcons();
    void Next();
    void Previous();
    TMDIChild* ActiveMDIChild() const;
    bool ActiveChildMaximised() const;
    // The children in the client's z-order, the active one first.
    std::vector<TMDIChild*> MDIChildren() const;
    int MDIChildCount() const { return static_cast<int>(MDIChildren().size()); }

protected:
    void CreateWnd() override;
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;

private:
    HWND client_ = nullptr;  // a child of the frame: goes with it
    HMENU windowMenu_ = nullptr;
    TMenuItem* windowItem_ = nullptr;  // of the main menu, which owns it
};

class TMDIChild : public TForm {
    TW_CLASS_INFO()
public:
    // frame is owner and host: the child lives in its client and goes with it.
    explicit TMDIChild(TMDIForm* frame);
    // The window goes through the client while this is still a child: the client then activates
    // the next child, maximised when this one was.
    ~TMDIChild() override;

    TMDIForm* Frame() const { return frame_; }
    void Maximise();
    void Restore();
    void Activate();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;

private:
    TMDIForm* frame_;
};

}  // namespace tw
