// Builds without a desktop have no message loop: the timer fires only when told to.
#include "skin/manage/ActionTimer.h"

namespace tw {

std::unique_ptr<TActionTimer> CreatePlatformTimer() { return std::make_unique<TManualTimer>(); }

}  // namespace tw
