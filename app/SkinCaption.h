// TSkinCaption: the caption add-on of the main form. It works with the skin component on the
// same form; the window is complete without it, so it only carries its switch for now.
#pragma once

#include "framework/core/Component.h"

namespace tw {

class TSkinData;

class TSkinCaption : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TSkinCaption(TComponent* owner) : TComponent(owner) {}

    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    TSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TSkinData* skinData) { skinData_ = skinData; }

private:
    bool active_ = false;
    TSkinData* skinData_ = nullptr;
};

}  // namespace tw
