// LzhCompress: our LZHUF coder, the counterpart of LzhExpand used to build skin packages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

// Codes length bytes so that LzhExpand(result, length) gives them back exactly (no final match
// runs past the end). The expanded size is not part of the result.
std::vector<uint8_t> LzhCompress(const uint8_t* data, size_t length);

}  // namespace tw
