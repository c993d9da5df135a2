#include "skin/data/SkinDataHost.h"

namespace tw {

namespace {
// Constant-initialised: a source set during another file's static initialisation is kept.
TSkinDataHostSource hostSource = nullptr;
}  // namespace

void SetSkinDataHostSource(TSkinDataHostSource source) { hostSource = source; }

TSkinDataHost* FindSkinDataHost(bool create) { return hostSource ? hostSource(create) : nullptr; }

}  // namespace tw
