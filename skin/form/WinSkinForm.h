// TWinSkinForm: the form skinner, one per skinned top-level window (a framework form, a message
// box or a bare "#32770" dialog). It subclasses the window, answers the non-client messages so
// the system draws no frame of its own, paints borders and title from the skin and gives the
// window its own frame and size back when it detaches. The skin manager makes it, is its one
// owner and frees it; a skinner is never freed while one of its procedures runs (Busy).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win/Handles.h"
#include "framework/win/Messages.h"
#include "framework/win/Subclass.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinControl.h"

namespace tw {

class TForm;
class TSkinData;
class TFormSkinnerHost;
class TFormMethodRelay;
class TWinSkinMenu;
class TMenuBtn;
class TMenuItem;

// The form skinner's private messages.
enum : UINT {
    SKM_SKINCHANGED = 0x3401,    // to a framework form: re-apply the skin
    SKM_REPAINTFRAME = 0x3502,   // repaint the whole frame now
    SKM_ACTIVATE = 0x3503,       // posted after attaching (wParam 0, lParam 1000): finish skinning
    SKM_BUTTONACTION = 0x3514,   // a caption button's own action code in wParam
    SKM_BUTTONVISIBLE = 0x3515,  // is the caption button with this visibility code visible
    SKM_MDIREFRESH = 0x3516,     // to the MDI client: the MDI frame redraws its frame
    SKM_RESKINSCROLL = 0x3517,   // a scroll-bar skinner asks to be replaced (wParam: the control)
    SKM_MENUBARCLICK = 0x3518,   // open the menu-bar item under the screen point in lParam
    SKM_SYSTEMMENU = 0x3519,     // open the skinned system menu at the screen point in lParam; answers 1
    SKM_QUERY = 0x3523,          // answered 1 by every skinned window
    SKM_PAINTTO = 0xBC4B,        // framework level: paint the frame into the DC in wParam
    SKM_PAINTPROBE = 0xBC4D,     // framework level: answered SKM_MAGIC
    SKM_SKINAPPLIED = 0xBC4E,    // sent to its own window when skinning is complete (CN_NOTIFY)
};
constexpr LPARAM SKM_MAGIC = 16802;
constexpr LPARAM kActivateTag = 1000;

// Lifecycle of a form skinner.
enum TSkinState {
    stAttached = 0,  // not yet activated: the system frame is never drawn meanwhile
    stRunning = 1,
    stReapplying = 3,
    stDestroying = 4,
    stFirstResize = 5,
    stDestroyed = 6,  // the window is gone; the manager frees the skinner at its next sweep
};

// What a skinned window is to the MDI machinery.
enum TFrameKind { fkPlain = 0, fkMdiFrame = 1, fkMdiChild = 2 };

// Style flags of a form skinner.
enum : unsigned { fsMaximizeBox = 1, fsMinimizeBox = 2, fsSystemMenu = 8, fsCaptionToggle = 16 };

class TWinSkinForm {
public:
    TWinSkinForm(HWND window, TFormSkinnerHost* host);
    // Detaches quickly when still attached.
    ~TWinSkinForm();
    TWinSkinForm(const TWinSkinForm&) = delete;
    TWinSkinForm& operator=(const TWinSkinForm&) = delete;

    // The manager's tag and the class name it read, handed to the skin-form events.
    int ManagerTag = 0;
    std::string ClassNameForEvents;

    // Attaches to a window of a framework form, or to a bare window.
    void AttachToForm(TSkinData* data, TForm* form);
    void AttachToWindow(TSkinData* data);
    // Finishes skinning now instead of at the posted activation (once; a window attached before
    // it is shown is activated as it shows, so it never appears with the system frame).
    void ActivateNow();
    // Undoes everything: procedures, region, colours; the window gets its own frame around the
    // same client size back.
    void Detach();
    // Stops the timer, restores the procedures and frees the control skinners; leaves size,
    // region and colours (the window is going, or the manager is).
    void DetachQuick();
    // Reads frame metrics and caption buttons from the skin again (the old buttons go, and the
    // hot object with them).
    void RebuildFrame();
    // Follows a new skin in the same skin data: colours, control skinners, size, frame.
    void ReapplySkin();
    // Repaints the frame now.
    void RepaintFrame();
    // Takes the region away without a full detach.
    void DropRegion();

    HWND Handle() const { return handle_; }
    TForm* Form() const { return form_; }
    TSkinData* SkinData() const { return skinData_; }
    int SkinState() const { return skinState_; }
    bool Attached() const { return subclass_.Installed(); }
    // True while one of its procedures is on the stack: it must not be freed now.
    bool Busy() const { return depth_ > 0; }
    bool SkinFrame() const { return skinFrame_; }
    const TFrameMetrics& Metrics() const { return painter_.Metrics(); }
    TFramePainter& Painter() { return painter_; }

    // The control skinners attached under this window.
    // Adds one unless listed; answers whether it was listed already.
    bool AddSkinner(std::unique_ptr<TSkinControl> skinner);
    void RemoveSkinner(TSkinControl* skinner);
    // Frees every skinner whose control is gone.
    void SweepSkinners();
    // Frees every skinner, detaching those whose control is still there.
    void FreeSkinners();
    // The control answers SKM_QUERY with 1 or has a skinner here.
    bool IsSkinned(HWND control) const;
    const std::vector<std::unique_ptr<TSkinControl>>& Skinners() const { return skinners_; }

    // The caption buttons, in the skin's order, laid out for the window's present width.
    const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return buttons_; }
    void LayoutButtons(int frameWidth);
    // The first visible button with an action under a point in window coordinates, or none.
    TNCObject* FindObject(POINT framePoint);
    // The object under the mouse or pressed; the 250 ms timer watches that the mouse stays on it.
    TNCObject* HotObject() const { return hotObject_; }
    void SetHotObject(TNCObject* object);
    // Paints the title bar with its buttons in their present states.
    void RepaintTitle();
    // Pops up the copy of the system menu at a screen point; a second call within the
    // double-click time while a button is hot closes the window instead.
    void ShowSystemMenu(int x, int y);
    // The popup of the last ShowSystemMenu (kept until the next one or the skinner's end).
    HMENU SystemMenuCopy() const { return systemMenuCopy_.Get(); }

    // The menu bar painted in the band under the title, when the window has a menu.
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    TFormSkinnerHost* Host() const { return host_; }
    // Off while the form changes its menu: the frame is not painted meanwhile.
    bool FramePainting() const { return framePainting_; }

    // MDI (WinSkinFormMdi.cpp).
    int FrameKind() const { return frameKind_; }
    // An MDI frame's client window, or null.
    HWND MdiClient() const { return mdiClient_; }
    // An MDI child follows the manager's maximised mode: while maximised (or minimised) it keeps
    // the system's frame, out of sight, and no region; otherwise its skinned frame and region.
    void FollowMdiMaximised(bool maximised);
    // An MDI frame with a maximised active child: the child's buttons drawn into the buffer of
    // the menu band (the band's top-left at 0,0).
    void PaintMdiButtons(HDC bandDC, const RECT& band);
    // An MDI frame whose active child is maximised.
    bool ActiveMdiChildMaximised() const { return MaximisedActiveMdiChild() != nullptr; }
    // That child, or null.
    HWND MaximisedActiveMdiChild() const;

private:
    friend class TFormMethodRelay;
    // The form frees its components before its window: from here on the window is a bare one.
    void FormGoing();
    // Counts the procedures of a skinner that are on the stack.
    struct TDepth {
        explicit TDepth(int& depth) : depth_(depth) { ++depth_; }
        ~TDepth() { --depth_; }
        TDepth(const TDepth&) = delete;
        TDepth& operator=(const TDepth&) = delete;
        int& depth_;
    };
    void AttachCommon(TSkinData* data);
    void Activate();
    void SkinLateChildren();
    void Resize(bool firstActivation);
    void ApplyDialogWidthRule(int& width);
    void SetCaptionStyle(bool on);
    bool CaptionToggling() const { return (styleFlags_ & fsCaptionToggle) != 0; }
    bool BareWindow() const { return form_ == nullptr; }
    TFrameView View() const;
    void RefreshShowState();

    // The three stages of the window procedure and the framework-level handler.
    void WindowProcedure(TMessage& message);
    bool Stage1(TMessage& message);
    bool Stage2(TMessage& message);
    void Stage3(TMessage& message);
    void FormProcedure(TMessage& message);
    void PassOn(TMessage& message) { subclass_.CallPrevious(message); }
    void NcCalcSize(TMessage& message);
    void NcHitTest(TMessage& message);
    void NcPaint(TMessage& message);
    void NcActivate(TMessage& message);
    void OnSize(TMessage& message);
    void OnSysCommand(TMessage& message);
    void OnSetText(TMessage& message);
    void OnEraseBackground(TMessage& message);
    // The caption buttons under the mouse.
    void ReadButtons();
    bool ButtonsCurrent() const;
    RECT LayoutAndDrawButtons(HDC titleDC, const RECT& title);
    POINT ToFrame(POINT screen) const;
    void NcMouseMove(TMessage& message);
    void NcLButtonDown(TMessage& message);
    void NcLButtonUp(TMessage& message);
    void NcLButtonDblClk(TMessage& message);
    void NcRButtonDown(TMessage& message);
    void OnContextMenu(TMessage& message);
    void OnTimer(TMessage& message);
    void RunAction(int action, POINT screen);
    void PostClose(UINT message, WPARAM command);
    void ToggleMaximize();
    void ToggleMinimize();
    void Restore();
    void BuildSystemMenuCopy();
    void StopTimer();
    void RestoreProcedures();
    void RestoreFormLook();
    // The menu bar and the owner-drawn menu items (WinSkinFormMenu.cpp).
    void CreateMenuBar();
    void GiveMenuBack();
    void OnMenuChanged(TMessage& message);
    bool OnKeyMenu(TMessage& message);
    void OnDialogChar(TMessage& message);
    bool OnAltLetter(TMessage& message);
    void PostMenuBarClick(const TMenuBtn& item);
    void OnMenuBarClick(TMessage& message);
    bool OnMeasureItem(TMessage& message);
    bool OnDrawItem(TMessage& message);
    TMenuItem* FindFrameworkItem(UINT command, HIMAGELIST* images) const;
    void SwitchFormPopups(bool ownerDraw);
    // MDI (WinSkinFormMdi.cpp).
    void FindMdiClient(DWORD exStyle);
    void AttachMdiClient();
    void MdiClientProcedure(TMessage& message);
    void ActivateMdiChild();
    void SetMdiChildMenuHeight();
    void MdiChildSized();
    void RunMdiChildCommand(UINT command);
    // An MDI child shown maximised, or not shown normal.
    bool MaximisedMdiChild() const;
    bool MdiChildNotNormal() const;

    HWND handle_;
    TFormSkinnerHost* host_;
    TForm* form_ = nullptr;
    TSkinData* skinData_ = nullptr;
    TWindowSubclass subclass_;
    TWindowSubclass mdiSubclass_;  // on the MDI client of an MDI frame
    HWND mdiClient_ = nullptr;
    bool savedMenuUpdate_ = true;
    TFormMethodRelay* relay_ = nullptr;  // owned by the form while installed
    TFramePainter painter_;
    std::vector<std::unique_ptr<TSkinControl>> skinners_;
    int depth_ = 0;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    TNCObject* hotObject_ = nullptr;
    bool timerRunning_ = false;
    bool titleClicked_ = false;
    DWORD lastTitleClick_ = 0;
    TMenuHandle systemMenuCopy_;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    bool framePainting_ = true;

    std::wstring className_;
    HWND ownerWindow_ = nullptr;
    HMENU menuHandle_ = nullptr;
    HMENU sysMenuHandle_ = nullptr;
    TColor savedColor_ = 0;
    DWORD style_ = 0;
    RECT clientRect_{};
    RECT stdExtra_{};
    int skinState_ = stAttached;
    int borderKind_ = bkFixed;
    int showState_ = ssNormal;
    int frameKind_ = fkPlain;
    unsigned styleFlags_ = 0;
    bool skinFrame_ = false;
    bool active_ = true;
    bool activated_ = false;
    bool rightToLeft_ = false;
    bool isDialogClass_ = false;
    bool isChildStyle_ = false;
};

// Attaches control skinners to the children of a window as its skinner activates. The layer that
// has the control skinners sets it; without one only the frame is skinned.
using TChildSkinner = void (*)(TWinSkinForm& skinner);
void SetChildSkinner(TChildSkinner skinner);
TChildSkinner ChildSkinner();

}  // namespace tw
