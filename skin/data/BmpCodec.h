// Windows bitmap file (.bmp) reading and writing from and to memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/data/Bitmap.h"

namespace tw {

// Decodes a bitmap file: 1/4/8/16/24/32 bits, uncompressed, bit fields, RLE8 and RLE4,
// bottom-up and top-down rows, Windows and OS/2 core headers. Answers false and leaves the
// bitmap empty for anything malformed or too large; never reads outside [data, data + size).
// Paletted files stay paletted; 16-bit files other than 5-5-5 and 32-bit bit-field files are
// unpacked to 24 and 32 bits. Run-length codes are cut at the end of their row, codes past the
// top row are ignored, and a run-length file cut short keeps the rows decoded until then.
bool LoadBmp(const uint8_t* data, size_t size, TBitmap& bitmap);
inline bool LoadBmp(const std::vector<uint8_t>& bytes, TBitmap& bitmap) {
    return LoadBmp(bytes.data(), bytes.size(), bitmap);
}

// Encodes a bitmap as an uncompressed bottom-up file with a 40-byte header; an empty bitmap
// gives an empty vector.
std::vector<uint8_t> SaveBmp(const TBitmap& bitmap);

}  // namespace tw
