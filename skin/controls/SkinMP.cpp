#include "skin/controls/SkinMP.h"

#include "framework/win/Control.h"

namespace tw {

TSkinMP::~TSkinMP() { panel_.reset(); }

void TSkinMP::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    if (Attached()) return;
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    panel_ = std::make_unique<TWMediaPlayer>(control, data);
    panel_->Place();
}

void TSkinMP::Detach() {
    panel_.reset();
    TControlSkinner::Detach();
}

void TSkinMP::SkinChanged() {
    TControlSkinner::SkinChanged();
    if (panel_) panel_->Invalidate();
}

bool TSkinMP::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCDESTROY:
            // The panel is a sibling of the control, not its child: it would stay behind.
            panel_.reset();
            break;
        case WM_PAINT:
            // The panel covers the control: what the control draws never reaches the screen.
            if (panel_) {
                PAINTSTRUCT ps;
                if (BeginPaint(Handle(), &ps)) EndPaint(Handle(), &ps);
                panel_->Invalidate();
                message.Result = 0;
                return false;
            }
            break;
        case WM_ERASEBKGND:
            if (panel_) {
                message.Result = 1;
                return false;
            }
            break;
        default:
            break;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TSkinMP::AfterMessage(TMessage& message) {
    if (panel_) {
        switch (message.Msg) {
            case WM_WINDOWPOSCHANGED:
            case CM_VISIBLECHANGED:
                panel_->Place();
                break;
            case WM_ENABLE:
            case CM_ENABLEDCHANGED:
                panel_->Invalidate();
                break;
            default:
                break;
        }
    }
    TControlSkinner::AfterMessage(message);
}

void TSkinMP::DrawSkin(HDC /*dc*/, const RECT& /*rect*/) {
    if (panel_) panel_->Invalidate();
}

}  // namespace tw
