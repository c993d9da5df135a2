// Fixed facts of the skin archive layout shared by the reader and the builder.
#pragma once

#include <cstdint>

namespace tw {

constexpr int32_t kSkinArchiveVersion = 20000;
constexpr int kSkinArchiveHeaderSize = 16;  // version, name-list length, two reserved words
constexpr int kMaxSkinMembers = 1001;

}  // namespace tw
