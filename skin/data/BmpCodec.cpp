#include "skin/data/BmpCodec.h"

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
// RLE files can describe a large blank area in a few bytes; keep their pixel count modest.
constexpr int64_t kMaxRlePixels = int64_t(1) << 22;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// One channel of a bit-field pixel, scaled to 0..255.
struct TChannel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit TChannel(uint32_t m = 0) : mask(m) {
        if (!mask) return;
        while (!((mask >> shift) & 1)) ++shift;
        while (bits < 32 - shift && ((mask >> (shift + bits)) & 1)) ++bits;
    }
    uint8_t Get(uint32_t pixel) const {
        if (!bits) return 0;
        uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
        uint32_t max = (1u << bits) - 1;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

struct THeader {
    int64_t width = 0, height = 0;
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    bool topDown = false;
    bool core = false;
    uint32_t masks[3] = {0, 0, 0};
};

class TDecoder {
public:
    TDecoder(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Decode(TBitmap& bitmap);

private:
    bool ReadHeader(size_t& paletteAt);
    bool DecodeRows(TBitmap& bitmap, size_t at);
    bool DecodeRle(TBitmap& bitmap, size_t at);

    const uint8_t* data_;
    size_t size_;
    THeader h_;
};

bool TDecoder::ReadHeader(size_t& paletteAt) {
    if (size_ < 14 + 12 || data_[0] != 'B' || data_[1] != 'M') return false;
    const uint8_t* info = data_ + 14;
    uint32_t infoSize = Get32(info);
    if (infoSize == 12) {
        h_.core = true;
        h_.width = Get16(info + 4);
        h_.height = Get16(info + 6);
        if (Get16(info + 8) != 1) return false;
        h_.bitCount = Get16(info + 10);
    } else {
        if (infoSize < 16 || infoSize > 1024 || 14 + static_cast<size_t>(infoSize) > size_) return false;
        // Short OS/2 2.x headers leave the later fields at zero.
        uint8_t full[40] = {};
        std::memcpy(full, info, std::min<size_t>(infoSize, 40));
        h_.width = static_cast<int32_t>(Get32(full + 4));
        int32_t height = static_cast<int32_t>(Get32(full + 8));
        if (Get16(full + 12) != 1) return false;
        h_.bitCount = Get16(full + 14);
        h_.compression = Get32(full + 16);
        h_.colorsUsed = Get32(full + 32);
        if (height < 0) {
            if (height == INT32_MIN) return false;
            h_.topDown = true;
            height = -height;
        }
        h_.height = height;
        // OS/2 2.x headers of 64 bytes number their Huffman/RLE24 codes differently; refuse them.
        if (infoSize == 64 && h_.compression != kRgb && h_.compression != kRle8 && h_.compression != kRle4)
            return false;
    }
    paletteAt = 14 + infoSize;
    switch (h_.bitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return false;
    }
    if (h_.width <= 0 || h_.height <= 0) return false;
    if (h_.width > TBitmap::MaxSide || h_.height > TBitmap::MaxSide || h_.width * h_.height > TBitmap::MaxPixels)
        return false;
    switch (h_.compression) {
        case kRgb:
            break;
        case kRle8:
            if (h_.bitCount != 8 || h_.topDown) return false;
            break;
        case kRle4:
            if (h_.bitCount != 4 || h_.topDown) return false;
            break;
        case kBitFields:
        case kAlphaBitFields: {
            if (h_.bitCount != 16 && h_.bitCount != 32) return false;
            size_t maskAt = 14 + 40;
            if (infoSize == 40) {
                if (paletteAt + 12 > size_) return false;
                paletteAt += h_.compression == kAlphaBitFields ? 16 : 12;
            } else if (infoSize < 52) {
                return false;
            }
            if (maskAt + 12 > size_) return false;
            for (int i = 0; i < 3; ++i) h_.masks[i] = Get32(data_ + maskAt + 4 * i);
            break;
        }
        default:
            return false;
    }
    if ((h_.compression == kRle8 || h_.compression == kRle4) && h_.width * h_.height > kMaxRlePixels) return false;
    return paletteAt <= size_;
}

bool TDecoder::Decode(TBitmap& bitmap) {
    size_t paletteAt = 0;
    if (!ReadHeader(paletteAt)) return false;

    TPixelFormat format = static_cast<TPixelFormat>(h_.bitCount);
    bool fields = h_.compression == kBitFields || h_.compression == kAlphaBitFields;
    if (fields && h_.bitCount == 16 && !(h_.masks[0] == 0x7C00 && h_.masks[1] == 0x03E0 && h_.masks[2] == 0x001F))
        format = TPixelFormat::pf24bit;

    std::vector<TRGBQuad> palette;
    size_t pixelsAt = paletteAt;
    if (h_.bitCount <= 8) {
        size_t count = h_.colorsUsed ? h_.colorsUsed : (size_t(1) << h_.bitCount);
        size_t entry = h_.core ? 3 : 4;
        count = std::min(count, size_t(1) << h_.bitCount);
        // A colour table running past the file keeps what is there.
        count = std::min(count, (size_ - paletteAt) / entry);
        if (count == 0) return false;
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* p = data_ + paletteAt + i * entry;
            TRGBQuad q;
            q.Blue = p[0];
            q.Green = p[1];
            q.Red = p[2];
            palette.push_back(q);
        }
        palette.resize(size_t(1) << h_.bitCount);
        pixelsAt = paletteAt + count * entry;
    } else if (!h_.core && h_.colorsUsed && h_.colorsUsed < 4096) {
        // A true-colour file may carry an optimisation palette; the rows follow it.
        pixelsAt = std::min(size_, paletteAt + h_.colorsUsed * 4);
    }
    uint32_t offBits = Get32(data_ + 10);
    if (offBits >= paletteAt && offBits < size_) pixelsAt = offBits;

    TBitmap sized(0, 0, format);
    sized.SetPalette(palette);
    if (!sized.SetSize(static_cast<int>(h_.width), static_cast<int>(h_.height))) return false;
    bool ok = (h_.compression == kRle8 || h_.compression == kRle4) ? DecodeRle(sized, pixelsAt)
                                                                   : DecodeRows(sized, pixelsAt);
    if (!ok) return false;
    bitmap = std::move(sized);
    return true;
}

bool TDecoder::DecodeRows(TBitmap& bitmap, size_t at) {
    const size_t stride = TBitmap::StrideFor(static_cast<int>(h_.width), h_.bitCount);
    const int width = static_cast<int>(h_.width), height = static_cast<int>(h_.height);
    if (at > size_ || (size_ - at) / stride < static_cast<size_t>(height)) return false;
    const bool fields = h_.compression == kBitFields || h_.compression == kAlphaBitFields;
    const bool direct = !fields || bitmap.BitCount() == h_.bitCount;
    TChannel red(h_.masks[0]), green(h_.masks[1]), blue(h_.masks[2]);
    const bool standard32 = fields && h_.bitCount == 32 && h_.masks[0] == 0xFF0000 && h_.masks[1] == 0xFF00 &&
                            h_.masks[2] == 0xFF;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const uint8_t* src = data_ + at + stride * static_cast<size_t>(fileRow);
        int y = h_.topDown ? fileRow : height - 1 - fileRow;
        uint8_t* dst = bitmap.ScanLine(y);
        if (direct && (!fields || standard32 || h_.bitCount == 16)) {
            // 16-bit 5-5-5 bit fields are stored exactly like plain 16-bit rows.
            std::memcpy(dst, src, stride);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = h_.bitCount == 16 ? Get16(src + 2 * x) : Get32(src + 4 * x);
            uint8_t b = blue.Get(pixel), g = green.Get(pixel), r = red.Get(pixel);
            if (bitmap.BitCount() == 24) {
                dst[3 * x] = b;
                dst[3 * x + 1] = g;
                dst[3 * x + 2] = r;
            } else {
                dst[4 * x] = b;
                dst[4 * x + 1] = g;
                dst[4 * x + 2] = r;
                dst[4 * x + 3] = 0;
            }
        }
    }
    return true;
}

bool TDecoder::DecodeRle(TBitmap& bitmap, size_t at) {
    const int width = static_cast<int>(h_.width), height = static_cast<int>(h_.height);
    const bool four = h_.compression == kRle4;
    // The column stays within [0, width]: runs, literals and skips stop at the row's end, so no
    // number of repeated codes can carry it further. Codes past the top row are not read: the
    // image ends there with the rows decoded so far, as it does when the file is cut short.
    int x = 0, row = 0;  // row counts from the bottom, as the file does
    auto put = [&](unsigned index) {
        if (x >= width) return;
        uint8_t* line = bitmap.ScanLine(height - 1 - row);
        if (four) {
            uint8_t& cell = line[x >> 1];
            cell = (x & 1) ? static_cast<uint8_t>((cell & 0xF0) | (index & 0x0F))
                           : static_cast<uint8_t>((cell & 0x0F) | (index << 4));
        } else {
            line[x] = static_cast<uint8_t>(index);
        }
        ++x;
    };
    size_t p = at;
    while (row < height) {
        if (p + 2 > size_) return true;  // a file cut short keeps the rows decoded so far
        unsigned count = data_[p], value = data_[p + 1];
        p += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count && x < width; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++row;
                break;
            case 1:  // end of bitmap
                return true;
            case 2: {  // move right and up
                if (p + 2 > size_) return true;
                x = std::min(width, x + data_[p]);
                row += data_[p + 1];
                p += 2;
                break;
            }
            default: {  // `value` literal pixels, padded to a 16-bit boundary
                size_t bytes = four ? (value + 1) / 2 : value;
                if (p + bytes > size_) return true;
                for (unsigned i = 0; i < value; ++i) {
                    unsigned byte = data_[p + (four ? i / 2 : i)];
                    put(four ? ((i & 1) ? byte & 0x0F : byte >> 4) : byte);
                }
                p += (bytes + 1) & ~size_t(1);
                break;
            }
        }
    }
    return true;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

bool LoadBmp(const uint8_t* data, size_t size, TBitmap& bitmap) {
    bitmap.Clear();
    if (!data) return false;
    TDecoder decoder(data, size);
    return decoder.Decode(bitmap);
}

std::vector<uint8_t> SaveBmp(const TBitmap& bitmap) {
    std::vector<uint8_t> out;
    if (bitmap.Empty()) return out;
    const size_t stride = bitmap.Stride();
    const size_t paletteBytes = bitmap.BitCount() <= 8 ? bitmap.Palette().size() * 4 : 0;
    const size_t offBits = 14 + 40 + paletteBytes;
    const size_t total = offBits + stride * static_cast<size_t>(bitmap.Height());
    out.reserve(total);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(total));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(offBits));
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(bitmap.Width()));
    Put32(out, static_cast<uint32_t>(bitmap.Height()));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bitmap.BitCount()));
    Put32(out, kRgb);
    Put32(out, static_cast<uint32_t>(stride * static_cast<size_t>(bitmap.Height())));
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(paletteBytes / 4));
    Put32(out, 0);
    if (paletteBytes)
        for (const TRGBQuad& q : bitmap.Palette()) {
            out.push_back(q.Blue);
            out.push_back(q.Green);
            out.push_back(q.Red);
            out.push_back(0);
        }
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const uint8_t* row = bitmap.ScanLine(y);
        out.insert(out.end(), row, row + stride);
    }
    return out;
}

}  // namespace tw
