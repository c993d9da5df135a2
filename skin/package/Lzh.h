// TLZH and ElzhException: expansion of LZHUF-coded data, the coding of skin packages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/MemoryStream.h"

namespace tw {

class ElzhException : public Exception {
public:
    using Exception::Exception;
};

// Largest expanded size we accept: a skin is well under a megabyte, so anything bigger is
// damaged or hostile input and is refused before any memory is taken for it.
constexpr uint32_t kMaxExpandedSize = 64u * 1024u * 1024u;

// Expands coded bytes in[0, inLength) until at least expandedSize bytes are out. Past the end
// of the input the bits read as zero. A final match is copied whole, so up to 59 bytes more
// than expandedSize may come out; the result holds exactly what was expanded. consumed, when
// given, receives the number of input bytes whose bits were used. Throws ElzhException for an
// expandedSize above kMaxExpandedSize or when memory runs out.
std::vector<uint8_t> LzhExpand(const uint8_t* in, size_t inLength, uint32_t expandedSize, size_t* consumed = nullptr);

class TLZH {
public:
    // Expands from input's position, writing at output's position; input is left after the
    // bytes that were used. ExpandedSize 0 reads nothing and writes nothing.
    void Unpack(uint32_t expandedSize, TMemoryStream& input, TMemoryStream& output);
};

}  // namespace tw
