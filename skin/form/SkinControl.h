// TSkinControl: what a form skinner knows of the control skinners attached under it. The control
// skinner families (skin/controls) build on this base; a form skinner keeps them in its Skinners
// list, asks them to follow a new skin and frees them when it detaches.
#pragma once

#include <windows.h>

namespace tw {

// Lifecycle of a control skinner; 6: its control is gone, the next sweep frees it.
enum TSkinControlLife { slAttached = 0, slGone = 6 };

class TSkinControl {
public:
    TSkinControl() = default;
    explicit TSkinControl(HWND control) : control_(control) {}
    virtual ~TSkinControl() = default;
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // The skinned window (kept after it is gone, for comparison only).
    HWND Control() const { return control_; }
    int LifeState() const { return lifeState_; }
    void SetLifeState(int state) { lifeState_ = state; }

    // Gives the control its own procedure and look back.
    virtual void Detach() {}
    // The skin data holds a new skin: repaint from it.
    virtual void SkinChanged() {}

protected:
    void SetControl(HWND control) { control_ = control; }

private:
    HWND control_ = nullptr;
    int lifeState_ = slAttached;
};

}  // namespace tw
