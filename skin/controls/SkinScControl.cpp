#include "skin/controls/SkinScControl.h"

#include "framework/win/Control.h"
#include "framework/win/Messages.h"

namespace tw {

bool TSkinScControl::Vertical() const { return (GetWindowLongPtrW(Handle(), GWL_STYLE) & SBS_VERT) != 0; }

void TSkinScControl::MakePanel() {
    panel_.reset();
    panel_ = std::make_unique<TWScrollbar>(*this, Handle(), Vertical(), true);
    Panel()->Place();
}

void TSkinScControl::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (Attached()) MakePanel();
}

void TSkinScControl::AttachWindow(HWND window, TSkinData& data, TWinSkinForm& form) {
    TControlSkinner::AttachWindow(window, data, form);
    if (Attached()) MakePanel();
}

void TSkinScControl::SkinChanged() {
    TControlSkinner::SkinChanged();
    if (panel_) Panel()->Place();
}

bool TSkinScControl::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case CM_RECREATEWND:
            // A new kind makes a new window: the panel follows it, turned as it is now.
            FollowRecreation(message);
            return false;
        case WM_STYLECHANGED:
            // A bare bar turned the other way keeps its window: the panel is made again.
            if (panel_ && message.WParam == static_cast<WPARAM>(GWL_STYLE) && Panel()->Vertical() != Vertical())
                MakePanel();
            break;
        default:
            break;
    }
    return TCoveringSkinner::BeforeMessage(message);
}

void TSkinScControl::AfterMessage(TMessage& message) {
    if (!panel_) return TControlSkinner::AfterMessage(message);
    TWScrollbar* panel = Panel();
    switch (message.Msg) {
        case WM_WINDOWPOSCHANGED:
        case WM_NCPAINT:
        case WM_SHOWWINDOW:
            panel->Place();
            break;
        case CM_VISIBLECHANGED:
            if (message.WParam) panel->Place();
            else
                panel->HideBar();
            break;
        case SBM_SETSCROLLINFO:
        case SBM_SETPOS:
        case SBM_SETRANGE:
        case SBM_SETRANGEREDRAW:
        case SBM_ENABLE_ARROWS:
        case CN_HSCROLL:
        case CN_VSCROLL:
        case WM_ENABLE:
        case CM_ENABLEDCHANGED:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            panel->Invalidate();
            break;
        default:
            break;
    }
    TControlSkinner::AfterMessage(message);
}

}  // namespace tw
