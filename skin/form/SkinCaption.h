// TSkinCaption: the caption add-on of the main form. While active it writes the window text on
// every skinned title bar of the process, between the icon and the caption buttons, in the skin's
// title text colours; without it a skinned title shows no text. It works with the skin component
// on the same form.
#pragma once

#include <memory>

#include "framework/core/Component.h"

namespace tw {

class TSkinData;
class TCaptionTextPainter;

class TSkinCaption : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TSkinCaption(TComponent* owner);
    // Removes its painter when it is the one installed.
    ~TSkinCaption() override;

    bool Active() const { return active_; }
    // True installs the title-text painter (and repaints the frames of this thread's windows),
    // false removes it.
    void SetActive(bool value);
    TSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TSkinData* skinData) { skinData_ = skinData; }

private:
    bool active_ = false;
    TSkinData* skinData_ = nullptr;
    std::shared_ptr<TCaptionTextPainter> painter_;
};

}  // namespace tw
