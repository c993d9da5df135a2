#include "skin/controls/ControlMethodRelay.h"

#include "framework/win/Control.h"
#include "skin/controls/ControlSkinner.h"

namespace tw {

TControlMethodRelay::TControlMethodRelay(TControl& control, TControlSkinner& skinner)
    : TComponent(&control), control_(control), skinner_(&skinner) {}

TControlMethodRelay::~TControlMethodRelay() {
    if (installed_ && control_.WindowProc == Method()) control_.WindowProc = saved_;
    if (skinner_) skinner_->ControlGoing();
}

void TControlMethodRelay::Install() {
    if (installed_) return;
    saved_ = control_.WindowProc;
    control_.WindowProc = Method();
    installed_ = true;
}

bool TControlMethodRelay::Uninstall() {
    skinner_ = nullptr;
    if (!installed_) return true;
    if (control_.WindowProc != Method()) return false;
    control_.WindowProc = saved_;
    installed_ = false;
    return true;
}

void TControlMethodRelay::Route(TMessage& message) {
    if (skinner_) skinner_->Route(message);
    else
        saved_(message);
}

}  // namespace tw
