#include "tools/skingen/Image.h"

#include <algorithm>

#include "framework/core/Exception.h"

namespace tw::skingen {

TImage::TImage(int width, int height, Rgb fill) {
    if (width < 0 || height < 0 || width > 16384 || height > 16384) throw tw::Exception("Image size out of range");
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * height, fill);
}

void TImage::Fill(Rgb c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void TImage::FillRect(int x, int y, int w, int h, Rgb c) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) At(xx, yy) = c;
}

void TImage::Blit(const TImage& src, int dx, int dy) {
    for (int y = 0; y < src.height_; ++y)
        for (int x = 0; x < src.width_; ++x)
            if (Contains(dx + x, dy + y)) At(dx + x, dy + y) = src.At(x, y);
}

TImage TImage::Crop(int x, int y, int w, int h) const {
    if (x < 0 || y < 0 || w < 0 || h < 0 || x + w > width_ || y + h > height_)
        throw tw::Exception("Crop outside the image");
    TImage out(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) out.At(xx, yy) = At(x + xx, y + yy);
    return out;
}

TImage TImage::MirroredX() const {
    TImage out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.At(x, y) = At(width_ - 1 - x, y);
    return out;
}

TImage TImage::MirroredY() const {
    TImage out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.At(x, y) = At(x, height_ - 1 - y);
    return out;
}

TImage TImage::JoinH(const std::vector<TImage>& frames) {
    if (frames.empty()) return {};
    const int w = frames[0].width_, h = frames[0].height_;
    TImage out(w * static_cast<int>(frames.size()), h);
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].width_ != w || frames[i].height_ != h) throw tw::Exception("Strip frames differ in size");
        out.Blit(frames[i], w * static_cast<int>(i), 0);
    }
    return out;
}

TImage TImage::JoinV(const std::vector<TImage>& frames) {
    if (frames.empty()) return {};
    const int w = frames[0].width_, h = frames[0].height_;
    TImage out(w, h * static_cast<int>(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].width_ != w || frames[i].height_ != h) throw tw::Exception("Strip frames differ in size");
        out.Blit(frames[i], 0, h * static_cast<int>(i));
    }
    return out;
}

}  // namespace tw::skingen
