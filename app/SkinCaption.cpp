#include "app/SkinCaption.h"

namespace tw {

const TClassInfo& TSkinCaption::StaticClassInfo() {
    static const TClassInfo info{"TSkinCaption",
                                 &TComponent::StaticClassInfo(),
                                 {BoolProp<TSkinCaption>(
                                     "Active", [](const TSkinCaption& c) { return c.Active(); },
                                     [](TSkinCaption& c, bool v) { c.SetActive(v); })}};
    return info;
}

}  // namespace tw
