// TFormSkinnerHost: what a form skinner tells the skin manager above it. The form layer links
// nothing above itself; the manager hands each skinner its host when it makes it.
#pragma once

namespace tw {

// Which menu is about to open (the manager's menu context).
enum TMenuContext { mcPopup = 0, mcMenuBar = 1, mcSystemMenu = 2 };

class TFormSkinnerHost {
public:
    // A skinner starts attaching: from now on the manager counts as activated.
    virtual void AttachingStarted() = 0;
    // A menu of this kind is about to open in a skinned window.
    virtual void SetMenuContext(int context) = 0;
    // The menu (HMENU) about to be drawn belongs to the newest skinned popup not bound yet.
    virtual void BindPopupMenu(void* /*menu*/) {}
    // The background bitmap (HBITMAP) of the skinned popup showing menu, or null: item
    // backgrounds drawn from it match the popup's.
    virtual void* PopupBackground(void* /*menu*/) const { return nullptr; }
    // The application's MDI frame, as the skinner that finds it records it: its MDI client
    // window (HWND) and its framework form (null for a bare window).
    virtual void RecordMdiFrame(void* /*client*/, void* /*form*/) {}
    virtual void* MdiClient() const { return nullptr; }
    // MDI children shown maximised: their frames are the system's, out of sight, and their
    // buttons sit in the frame's menu band. Switching it asks every MDI child's skinner to follow.
    virtual bool MdiChildrenMaximised() const { return false; }
    virtual void SetMdiChildrenMaximised(bool /*state*/) {}

protected:
    ~TFormSkinnerHost() = default;
};

}  // namespace tw
