#include "skin/controls/CoveringSkinner.h"

namespace tw {

TCoveringSkinner::~TCoveringSkinner() { panel_.reset(); }

void TCoveringSkinner::Detach() {
    panel_.reset();
    TControlSkinner::Detach();
}

bool TCoveringSkinner::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCDESTROY:
            // The panel is a sibling of the control, not its child: it would stay behind.
            panel_.reset();
            break;
        case WM_PAINT:
            if (panel_ && panel_->Shown()) {
                PAINTSTRUCT ps;
                if (BeginPaint(Handle(), &ps)) EndPaint(Handle(), &ps);
                panel_->Invalidate();
                message.Result = 0;
                return false;
            }
            break;
        case WM_ERASEBKGND:
            if (panel_ && panel_->Shown()) {
                message.Result = 1;
                return false;
            }
            break;
        default:
            break;
    }
    return TControlSkinner::BeforeMessage(message);
}

void TCoveringSkinner::DrawSkin(HDC /*dc*/, const RECT& /*rect*/) {
    if (panel_) panel_->Invalidate();
}

}  // namespace tw
