// TControlMethodRelay: a control skinner's link to a framework control. It lives among the
// control's own components, so the skinner learns when the control goes, and it is the method
// installed in the control's WindowProc: it routes messages to the skinner while one is linked
// and straight on to the method it replaced once none is, so a method installed above it later
// keeps a working chain whatever order the layers come off in.
#pragma once

#include "framework/core/Component.h"
#include "framework/win/Messages.h"

namespace tw {

class TControl;
class TControlSkinner;

class TControlMethodRelay final : public TComponent {
public:
    TControlMethodRelay(TControl& control, TControlSkinner& skinner);
    // Takes itself out of the control's WindowProc when on top and tells a linked skinner.
    ~TControlMethodRelay() override;

    void Install();
    // Unlinks the skinner; takes the relay off the control when nothing was installed above it
    // and answers true (the caller frees it then), else it stays and passes everything on.
    bool Uninstall();
    void CallSaved(TMessage& message) const { saved_(message); }

private:
    void Route(TMessage& message);
    TWndMethod Method() { return TWndMethod::Of<TControlMethodRelay, &TControlMethodRelay::Route>(this); }

    TControl& control_;
    TControlSkinner* skinner_;
    TWndMethod saved_;
    bool installed_ = false;
};

}  // namespace tw
