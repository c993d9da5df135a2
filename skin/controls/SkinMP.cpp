#include "skin/controls/SkinMP.h"

#include "framework/win/Control.h"

namespace tw {

void TSkinMP::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    if (Attached()) return;
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (!Attached()) return;
    panel_ = std::make_unique<TWMediaPlayer>(control, data);
    Panel()->Place();
}

void TSkinMP::SkinChanged() {
    TControlSkinner::SkinChanged();
    if (panel_) panel_->Invalidate();
}

void TSkinMP::AfterMessage(TMessage& message) {
    if (panel_) {
        switch (message.Msg) {
            case WM_WINDOWPOSCHANGED:
            case CM_VISIBLECHANGED:
                Panel()->Place();
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

}  // namespace tw
