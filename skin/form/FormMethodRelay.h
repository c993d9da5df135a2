// TFormMethodRelay: the form skinner's link to a framework form. It lives among the form's own
// components, so the skinner learns when the form goes, and it is the method the skinner
// installs in the form's WindowProc: it routes the form's messages to the skinner while one is
// linked and straight on to the method it replaced once none is, so a method installed above it
// later keeps a working chain whatever order the layers come off in.
#pragma once

#include "framework/core/Component.h"
#include "framework/win/Messages.h"

namespace tw {

class TForm;
class TWinSkinForm;

class TFormMethodRelay final : public TComponent {
public:
    TFormMethodRelay(TForm& form, TWinSkinForm& skinner);
    // Takes itself out of the form's WindowProc when on top and tells a linked skinner.
    ~TFormMethodRelay() override;

    // Puts the relay on top of the form's WindowProc.
    void Install();
    // Takes it off again when nothing was installed above it; false when it has to stay (it
    // then passes everything on). Either way the skinner is no longer reached.
    bool Uninstall();
    bool Installed() const { return installed_; }

    // The method the relay replaced.
    void CallSaved(TMessage& message) const { saved_(message); }

private:
    void Route(TMessage& message);
    TWndMethod Method() { return TWndMethod::Of<TFormMethodRelay, &TFormMethodRelay::Route>(this); }

    TForm& form_;
    TWinSkinForm* skinner_;
    TWndMethod saved_;
    bool installed_ = false;
};

}  // namespace tw
