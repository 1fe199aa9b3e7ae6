#include "base/Image.h"

#include "base/Error.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <sys/mman.h>
#include <utility>

namespace orvd {

bool Image::SizeAllowed(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        return false;
    return std::size_t(width) * std::size_t(height) <= kMaxPixels;
}

// Map-sized images are aligned to 2 MB and offered huge pages: a fresh 64 MB map then costs a
// few dozen page faults instead of sixteen thousand.
Pixel* Image::AllocatePixels(std::size_t count) {
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    const std::size_t bytes = std::max<std::size_t>(count, 1) * sizeof(Pixel);
    void* memory = nullptr;
    if (bytes >= 2 * kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (::posix_memalign(&memory, kHugePage, rounded) != 0)
            throw std::bad_alloc();
        ::madvise(memory, rounded, MADV_HUGEPAGE); // only advice: failure is harmless
    } else if (!(memory = std::malloc(bytes))) {
        throw std::bad_alloc();
    }
    return static_cast<Pixel*>(memory);
}

void Image::FreePixels::operator()(Pixel* p) const {
    std::free(p);
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
