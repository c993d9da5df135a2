#include "skin/package/SkinMessage.h"

#include <utility>

namespace tw {

namespace {
TSkinMessageHook& Hook() {
    static TSkinMessageHook hook;
    return hook;
}
}  // namespace

TSkinMessageHook SetSkinMessageHook(TSkinMessageHook hook) {
    TSkinMessageHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

void ShowSkinMessage(const std::string& text) {
    if (Hook()) Hook()(text);
}

}  // namespace tw
