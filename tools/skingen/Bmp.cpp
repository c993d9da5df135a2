#include "tools/skingen/Bmp.h"

#include <cstdlib>

#include "framework/core/Exception.h"

namespace tw::skingen {

namespace {
void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
uint32_t Get32(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) | (static_cast<uint32_t>(in[at + 3]) << 24);
}
uint16_t Get16(const std::vector<uint8_t>& in, size_t at) { return static_cast<uint16_t>(in[at] | (in[at + 1] << 8)); }
size_t RowBytes(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t(3); }
}  // namespace

std::vector<uint8_t> EncodeBmp(const TImage& image) {
    const size_t row = RowBytes(image.Width());
    const size_t pixelBytes = row * image.Height();
    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(54 + pixelBytes));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.Width()));
    Put32(out, static_cast<uint32_t>(image.Height()));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<uint32_t>(pixelBytes));
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb& p = image.At(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (size_t pad = static_cast<size_t>(image.Width()) * 3; pad < row; ++pad) out.push_back(0);
    }
    return out;
}

TImage DecodeBmp(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') throw tw::Exception("Not a bitmap file");
    const uint32_t offset = Get32(bytes, 10);
    const uint32_t headerSize = Get32(bytes, 14);
    if (headerSize < 40) throw tw::Exception("Unsupported bitmap header");
    const int32_t width = static_cast<int32_t>(Get32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(Get32(bytes, 22));
    if (Get16(bytes, 28) != 24 || Get32(bytes, 30) != 0)
        throw tw::Exception("Only uncompressed 24-bit bitmaps are read");
    if (width <= 0 || rawHeight == 0 || width > 16384 || std::abs(rawHeight) > 16384)
        throw tw::Exception("Bitmap size out of range");
    const int height = std::abs(rawHeight);
    const size_t row = RowBytes(width);
    if (offset > bytes.size() || bytes.size() - offset < row * height) throw tw::Exception("Bitmap file is truncated");
    TImage image(width, height);
    for (int y = 0; y < height; ++y) {
        const int srcRow = rawHeight > 0 ? height - 1 - y : y;
        const size_t at = offset + row * srcRow;
        for (int x = 0; x < width; ++x)
            image.At(x, y) = {bytes[at + 3 * x + 2], bytes[at + 3 * x + 1], bytes[at + 3 * x]};
    }
    return image;
}

}  // namespace tw::skingen
