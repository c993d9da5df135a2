#include "skin/data/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tw {

namespace {

int PaletteSize(int bitCount) { return bitCount <= 8 ? 1 << bitCount : 0; }

uint8_t Expand5(unsigned v) { return static_cast<uint8_t>((v << 3) | (v >> 2)); }

}  // namespace

std::vector<TRGBQuad> DefaultPalette(int bitCount) {
    std::vector<TRGBQuad> pal;
    auto add = [&pal](int r, int g, int b) {
        TRGBQuad q;
        q.Red = static_cast<uint8_t>(r);
        q.Green = static_cast<uint8_t>(g);
        q.Blue = static_cast<uint8_t>(b);
        pal.push_back(q);
    };
    if (bitCount == 1) {
        add(0, 0, 0);
        add(255, 255, 255);
    } else if (bitCount == 4) {
        static const int vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (const auto& c : vga) add(c[0], c[1], c[2]);
    } else if (bitCount == 8) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) add(r * 51, g * 51, b * 51);
        for (int i = 0; i < 40; ++i) add(i * 255 / 39, i * 255 / 39, i * 255 / 39);
    }
    return pal;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) {
    format_ = format;
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) { *this = other; }

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this == &other) return *this;
    palette_ = other.palette_;
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    if (!Allocate(other.width_, other.height_, other.format_)) return *this;
    if (storage_ && other.storage_)
        std::memcpy(storage_->Bits(), other.storage_->Bits(), Stride() * static_cast<size_t>(height_));
    return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
    if (this == &other) return *this;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    format_ = other.format_;
    palette_ = std::move(other.palette_);
    storage_ = std::move(other.storage_);
    transparent_ = other.transparent_;
    transparentColor_ = other.transparentColor_;
    return *this;
}

size_t TBitmap::StrideFor(int width, int bitCount) {
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32) * 4;
}

bool TBitmap::Allocate(int width, int height, TPixelFormat format) {
    storage_.reset();
    format_ = format;
    width_ = height_ = 0;
    if (width < 0 || height < 0) return false;
    if (width == 0 || height == 0) return true;  // a valid, empty bitmap
    if (width > MaxSide || height > MaxSide || int64_t(width) * height > MaxPixels) return false;
    int bits = static_cast<int>(format);
    if (PaletteSize(bits)) {
        if (palette_.empty()) palette_ = DefaultPalette(bits);
        palette_.resize(
            static_cast<size_t>(std::min<int>(PaletteSize(bits), std::max<int>(1, static_cast<int>(palette_.size())))));
    } else {
        palette_.clear();
    }
    size_t bytes = StrideFor(width, bits) * static_cast<size_t>(height);
    storage_ = CreateBitmapStorage(width, height, bits, palette_, bytes);
    if (!storage_) return false;
    width_ = width;
    height_ = height;
    return true;
}

bool TBitmap::SetSize(int width, int height) { return Allocate(width, height, format_); }

void TBitmap::Clear() {
    storage_.reset();
    width_ = height_ = 0;
}

void TBitmap::SetPalette(std::vector<TRGBQuad> palette) {
    int size = PaletteSize(BitCount());
    if (size == 0) return;
    palette.resize(static_cast<size_t>(std::min<int>(size, std::max<int>(1, static_cast<int>(palette.size())))));
    palette_ = std::move(palette);
    if (storage_) storage_->PaletteChanged(palette_);
}

uint8_t* TBitmap::ScanLine(int y) { return storage_->Bits() + Stride() * static_cast<size_t>(height_ - 1 - y); }

const uint8_t* TBitmap::ScanLine(int y) const {
    return storage_->Bits() + Stride() * static_cast<size_t>(height_ - 1 - y);
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* row = ScanLine(y);
    auto fromIndex = [this](unsigned i) -> TColor {
        if (i >= palette_.size()) return 0;
        const TRGBQuad& q = palette_[i];
        return RGBColor(q.Red, q.Green, q.Blue);
    };
    switch (format_) {
        case TPixelFormat::pf1bit:
            return fromIndex((row[x >> 3] >> (7 - (x & 7))) & 1);
        case TPixelFormat::pf4bit:
            return fromIndex((x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4);
        case TPixelFormat::pf8bit:
            return fromIndex(row[x]);
        case TPixelFormat::pf16bit: {
            unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
            return RGBColor(Expand5((v >> 10) & 31), Expand5((v >> 5) & 31), Expand5(v & 31));
        }
        case TPixelFormat::pf24bit:
            return RGBColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        case TPixelFormat::pf32bit:
            return RGBColor(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
    return 0;
}

int TBitmap::NearestIndex(TColor color) const {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette_.size(); ++i) {
        long dr = palette_[i].Red - RedOf(color), dg = palette_[i].Green - GreenOf(color),
             db = palette_[i].Blue - BlueOf(color);
        long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return best;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* row = ScanLine(y);
    const uint8_t r = static_cast<uint8_t>(RedOf(color)), g = static_cast<uint8_t>(GreenOf(color)),
                  b = static_cast<uint8_t>(BlueOf(color));
    switch (format_) {
        case TPixelFormat::pf1bit: {
            uint8_t mask = static_cast<uint8_t>(0x80 >> (x & 7));
            if (NearestIndex(color)) row[x >> 3] |= mask;
            else
                row[x >> 3] &= static_cast<uint8_t>(~mask);
            break;
        }
        case TPixelFormat::pf4bit: {
            auto i = static_cast<uint8_t>(NearestIndex(color));
            uint8_t& cell = row[x >> 1];
            cell = (x & 1) ? static_cast<uint8_t>((cell & 0xF0) | i) : static_cast<uint8_t>((cell & 0x0F) | (i << 4));
            break;
        }
        case TPixelFormat::pf8bit:
            row[x] = static_cast<uint8_t>(NearestIndex(color));
            break;
        case TPixelFormat::pf16bit: {
            unsigned v = ((r >> 3u) << 10) | ((g >> 3u) << 5) | (b >> 3u);
            row[2 * x] = static_cast<uint8_t>(v);
            row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
            break;
        }
        case TPixelFormat::pf24bit:
            row[3 * x] = b;
            row[3 * x + 1] = g;
            row[3 * x + 2] = r;
            break;
        case TPixelFormat::pf32bit:
            row[4 * x] = b;
            row[4 * x + 1] = g;
            row[4 * x + 2] = r;
            row[4 * x + 3] = 0;
            break;
    }
}

void TBitmap::FillRect(int left, int top, int right, int bottom, TColor color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    if (format_ == TPixelFormat::pf24bit || format_ == TPixelFormat::pf32bit) {
        const int bpp = BitCount() / 8;
        uint8_t px[4] = {static_cast<uint8_t>(BlueOf(color)), static_cast<uint8_t>(GreenOf(color)),
                         static_cast<uint8_t>(RedOf(color)), 0};
        for (int y = top; y < bottom; ++y) {
            uint8_t* p = ScanLine(y) + left * bpp;
            for (int x = left; x < right; ++x, p += bpp) std::memcpy(p, px, static_cast<size_t>(bpp));
        }
        return;
    }
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) SetPixel(x, y, color);
}

void TBitmap::Fill(TColor color) { FillRect(0, 0, width_, height_, color); }

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_) return;
    if (Empty()) {
        format_ = format;
        palette_.clear();
        return;
    }
    TBitmap old(std::move(*this));
    palette_.clear();
    if (PaletteSize(static_cast<int>(format)) &&
        old.palette_.size() <= static_cast<size_t>(PaletteSize(static_cast<int>(format))))
        palette_ = old.palette_;
    transparent_ = old.transparent_;
    transparentColor_ = old.transparentColor_;
    if (!Allocate(old.width_, old.height_, format)) return;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) SetPixel(x, y, old.Pixel(x, y));
}

bool TBitmap::SamePixels(const TBitmap& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Pixel(x, y) != other.Pixel(x, y)) return false;
    return true;
}

}  // namespace tw
