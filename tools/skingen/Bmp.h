// 24-bit Windows bitmap files: writing skin images and reading them back for checks and sheets.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/skingen/Image.h"

namespace tw::skingen {

// A complete .bmp file: 14-byte file header, 40-byte info header, bottom-up rows padded to 4.
std::vector<uint8_t> EncodeBmp(const TImage& image);

// Reads an uncompressed 24-bit bitmap file (bottom-up or top-down); throws tw::Exception with
// the reason for anything else or for a truncated file.
TImage DecodeBmp(const std::vector<uint8_t>& bytes);

}  // namespace tw::skingen
