#include "mapdata/Image.h"

#include "app/Error.h"

#include <algorithm>
#include <string>

namespace orvd {

bool Image::SizeAllowed(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        return false;
    return std::size_t(width) * std::size_t(height) <= kMaxPixels;
}

Image::Image(int width, int height, Pixel fill) {
    Resize(width, height, fill);
}

void Image::Resize(int width, int height, Pixel fill) {
    if (!SizeAllowed(width, height))
        throw Error("Image size " + std::to_string(width) + " x " + std::to_string(height) +
                    " is too large");
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (pixels_.capacity() < count)
        pixels_ = std::vector<Pixel>(count, fill);
    else {
        pixels_.resize(count);
        std::fill(pixels_.begin(), pixels_.end(), fill);
    }
    width_ = width;
    height_ = height;
}

void Image::Clear() {
    width_ = 0;
    height_ = 0;
    std::vector<Pixel>().swap(pixels_);
}

bool Image::operator==(const Image& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

} // namespace orvd
