#include "base/Image.h"

#include "base/Error.h"
#include "base/ImageMemory.h"

#include <algorithm>
#include <string>
#include <utility>

namespace orvd {

bool Image::SizeAllowed(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        return false;
    return std::size_t(width) * std::size_t(height) <= kMaxPixels;
}

Pixel* Image::AllocatePixels(std::size_t count) {
    return static_cast<Pixel*>(AllocateImageMemory(count * sizeof(Pixel)));
}

void Image::FreePixels::operator()(Pixel* p) const {
    FreeImageMemory(p);
}

Image::Image(int width, int height, Pixel fill) {
    Resize(width, height, fill);
}

Image::Image(const Image& other) {
    *this = other;
}

Image& Image::operator=(const Image& other) {
    if (this != &other) {
        ResizeForOverwrite(other.width_, other.height_);
        std::copy_n(other.pixels_.get(), other.PixelCount(), pixels_.get());
    }
    return *this;
}

Image::Image(Image&& other) noexcept {
    *this = std::move(other);
}

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        pixels_ = std::move(other.pixels_);
    }
    return *this;
}

void Image::ResizeForOverwrite(int width, int height) {
    if (!SizeAllowed(width, height))
        throw Error("Image size " + std::to_string(width) + " x " + std::to_string(height) +
                    " is too large");
    const std::size_t count = std::size_t(width) * std::size_t(height);
    if (capacity_ < count) {
        pixels_.reset(); // give the old pixels back before asking for more
        capacity_ = 0;
        pixels_.reset(AllocatePixels(count));
        capacity_ = count;
    }
    width_ = width;
    height_ = height;
}

void Image::Resize(int width, int height, Pixel fill) {
    ResizeForOverwrite(width, height);
    std::fill_n(pixels_.get(), PixelCount(), fill);
}

void Image::Clear() {
    width_ = 0;
    height_ = 0;
    capacity_ = 0;
    pixels_.reset();
}

bool Image::operator==(const Image& other) const {
    return width_ == other.width_ && height_ == other.height_ &&
           std::equal(pixels_.get(), pixels_.get() + PixelCount(), other.pixels_.get());
}

} // namespace orvd
