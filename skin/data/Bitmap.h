// TBitmap: a device-independent bitmap (1, 4, 8, 16, 24 or 32 bits per pixel, palette, bottom-up
// rows) that the skin engine derives and paints its images from; on Windows a DIB section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tw {

// A 32-bit Windows colour value: red in the low byte, then green, then blue. A value with the
// high bit set (0xFF0000nn) stands for system colour nn. (Same alias as the framework's.)
using TColor = uint32_t;

constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(TColor c) { return (c & 0x80000000u) != 0; }

// The transparent key of every skin image, and plain white.
constexpr TColor kColorMagenta = 0xFF00FF;
constexpr TColor kColorWhite = 0xFFFFFF;

enum class TPixelFormat { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf16bit = 16, pf24bit = 24, pf32bit = 32 };

// One palette entry in the memory order of a DIB colour table.
struct TRGBQuad {
    uint8_t Blue = 0, Green = 0, Red = 0, Reserved = 0;
    bool operator==(const TRGBQuad& o) const { return Blue == o.Blue && Green == o.Green && Red == o.Red; }
};

// The memory behind a bitmap's rows. Natively a plain buffer; on Windows a DIB section so
// GDI draws the same bytes without a copy.
class TBitmapStorage {
public:
    virtual ~TBitmapStorage() = default;
    virtual uint8_t* Bits() = 0;
    // The system handle (HBITMAP) or null where there is none.
    virtual void* Handle() const { return nullptr; }
    // Tells the system about a changed colour table (DIB sections keep their own copy).
    virtual void PaletteChanged(const std::vector<TRGBQuad>&) {}
};

// Made by the platform part: rows of `stride` bytes, zero-filled; null when out of memory.
std::unique_ptr<TBitmapStorage> CreateBitmapStorage(int width, int height, int bitCount,
                                                    const std::vector<TRGBQuad>& palette, size_t bytes);

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    // A moved-from bitmap is empty.
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap() = default;

    // Largest side and area a bitmap may have; larger requests are refused (the bitmap empties).
    static constexpr int MaxSide = 32767;
    static constexpr int64_t MaxPixels = int64_t(1) << 26;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TPixelFormat PixelFormat() const { return format_; }
    int BitCount() const { return static_cast<int>(format_); }
    // Bytes per row, padded to 4 as in every DIB.
    size_t Stride() const { return StrideFor(width_, BitCount()); }
    static size_t StrideFor(int width, int bitCount);

    // New size with zeroed (black) pixels; answers false (and empties) for absurd sizes.
    bool SetSize(int width, int height);
    // Converts the pixels; a paletted target gets the nearest entries of its palette.
    void SetPixelFormat(TPixelFormat format);
    void Clear();

    // Row y counted from the top; rows lie bottom-up in memory as in a DIB.
    uint8_t* ScanLine(int y);
    const uint8_t* ScanLine(int y) const;

    const std::vector<TRGBQuad>& Palette() const { return palette_; }
    // Replaces the colour table (entries beyond 2^bits are dropped, missing ones are black).
    void SetPalette(std::vector<TRGBQuad> palette);

    // Colour of one pixel as a Windows colour value; 0 outside the bitmap.
    TColor Pixel(int x, int y) const;
    // Sets one pixel (paletted formats take the nearest entry); nothing outside the bitmap.
    void SetPixel(int x, int y, TColor color);
    // Every pixel becomes color.
    void Fill(TColor color);
    // Fills [left, right) x [top, bottom), clipped to the bitmap.
    void FillRect(int left, int top, int right, int bottom, TColor color);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor value) { transparentColor_ = value; }

    // The system bitmap handle (HBITMAP of the DIB section) on Windows, null elsewhere. Call
    // GdiFlush before reading rows that GDI has drawn into.
    void* Handle() const { return storage_ ? storage_->Handle() : nullptr; }

    // Same size and identical colours pixel by pixel (the formats may differ).
    bool SamePixels(const TBitmap& other) const;

private:
    bool Allocate(int width, int height, TPixelFormat format);
    int NearestIndex(TColor color) const;

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    std::vector<TRGBQuad> palette_;
    std::unique_ptr<TBitmapStorage> storage_;
    bool transparent_ = false;
    TColor transparentColor_ = kColorMagenta;
};

// The palette a paletted format gets when none is given: black and white for 1 bit, the
// sixteen standard colours for 4 bits, a 6x6x6 colour cube and a grey ramp for 8 bits.
std::vector<TRGBQuad> DefaultPalette(int bitCount);

}  // namespace tw
