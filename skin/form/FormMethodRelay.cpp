#include "skin/form/FormMethodRelay.h"

#include "framework/win/Forms.h"
#include "skin/form/WinSkinForm.h"

namespace tw {

TFormMethodRelay::TFormMethodRelay(TForm& form, TWinSkinForm& skinner)
    : TComponent(&form), form_(form), skinner_(&skinner) {}

TFormMethodRelay::~TFormMethodRelay() {
    if (installed_ && form_.WindowProc == Method()) form_.WindowProc = saved_;
    if (skinner_) skinner_->FormGoing();
}

void TFormMethodRelay::Install() {
    if (installed_) return;
    saved_ = form_.WindowProc;
    form_.WindowProc = Method();
    installed_ = true;
}

bool TFormMethodRelay::Uninstall() {
    skinner_ = nullptr;
    if (!installed_) return true;
    if (form_.WindowProc != Method()) return false;
    form_.WindowProc = saved_;
    installed_ = false;
    return true;
}

void TFormMethodRelay::Route(TMessage& message) {
    if (skinner_) skinner_->FormProcedure(message);
    else
        saved_(message);
}

}  // namespace tw
