// TImage: an RGB raster with the crops and strip joins the skin generator builds images from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw::skingen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// Pure magenta is the transparent key of every skin image.
constexpr Rgb kKey{255, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

class TImage {
public:
    TImage() = default;
    TImage(int width, int height, Rgb fill = kKey);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    Rgb& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgb& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    void Fill(Rgb c);
    // Clipped to the image.
    void FillRect(int x, int y, int w, int h, Rgb c);
    // Copies src with its top-left at (dx, dy), clipped; key pixels are copied too.
    void Blit(const TImage& src, int dx, int dy);
    TImage Crop(int x, int y, int w, int h) const;
    TImage MirroredX() const;
    TImage MirroredY() const;

    // Frames of equal size joined side by side (or stacked); all frames must share one size.
    static TImage JoinH(const std::vector<TImage>& frames);
    static TImage JoinV(const std::vector<TImage>& frames);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace tw::skingen
