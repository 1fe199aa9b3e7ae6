#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace orvd {

// A pixel is 0xFFRRGGBB, the layout of QImage::Format_RGB32, so the window layer can show an
// image without copying it. The top byte is always 0xFF.
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return 0xFF000000u | (Pixel(r) << 16) | (Pixel(g) << 8) | Pixel(b);
}
constexpr std::uint8_t RedOf(Pixel p) {
    return std::uint8_t(p >> 16);
}
constexpr std::uint8_t GreenOf(Pixel p) {
    return std::uint8_t(p >> 8);
}
constexpr std::uint8_t BlueOf(Pixel p) {
    return std::uint8_t(p);
}

// A plain colour value $00BBGGRR (red in the low byte) as a pixel.
constexpr Pixel PixelFromBgr(std::uint32_t bgr) {
    return MakePixel(std::uint8_t(bgr), std::uint8_t(bgr >> 8), std::uint8_t(bgr >> 16));
}
// The inverse: the plain colour value of a pixel.
constexpr std::uint32_t BgrFromPixel(Pixel p) {
    return std::uint32_t(RedOf(p)) | (std::uint32_t(GreenOf(p)) << 8) |
           (std::uint32_t(BlueOf(p)) << 16);
}

constexpr Pixel kWhitePixel = 0xFFFFFFFFu;
constexpr Pixel kBlackPixel = 0xFF000000u;

// An off-screen colour image: 32-bit pixels, row-major, rows packed (stride = width).
// Empty (0 x 0) when default-constructed. Sizes above kMaxPixels are refused, so a hostile
// picture header cannot make the program allocate gigabytes.
class Image {
public:
    static constexpr int kMaxSide = 65535;
    static constexpr std::size_t kMaxPixels = std::size_t(1) << 28; // 1 GiB of pixels

    Image() = default;
    // Throws orvd::Error when the size is negative or too large.
    Image(int width, int height, Pixel fill = kWhitePixel);
    Image(const Image& other);
    Image& operator=(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }

    // True when an image of this size may be allocated.
    static bool SizeAllowed(int width, int height);

    // Gives the image a new size, every pixel set to `fill`. Keeps the allocation when it is
    // large enough, so resizing back and forth does not reallocate. Throws orvd::Error when
    // the size is not allowed; the image is then unchanged.
    void Resize(int width, int height, Pixel fill = kWhitePixel);
    // The same, but the pixels are left undefined: for a caller that writes every pixel next
    // (the decoder), so a reused image is not filled twice.
    void ResizeForOverwrite(int width, int height);
    // Back to 0 x 0, releasing the pixels.
    void Clear();

    Pixel* Row(int y) { return pixels_.get() + std::size_t(y) * std::size_t(width_); }
    const Pixel* Row(int y) const { return pixels_.get() + std::size_t(y) * std::size_t(width_); }
    Pixel* Data() { return pixels_.get(); }
    const Pixel* Data() const { return pixels_.get(); }
    std::size_t BytesPerLine() const { return std::size_t(width_) * sizeof(Pixel); }

    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    bool operator==(const Image& other) const;

private:
    std::size_t PixelCount() const { return std::size_t(width_) * std::size_t(height_); }

    int width_ = 0;
    int height_ = 0;
    std::size_t capacity_ = 0;
    struct FreePixels {
        void operator()(Pixel* p) const;
    };
    static Pixel* AllocatePixels(std::size_t count);

    std::unique_ptr<Pixel[], FreePixels> pixels_; // uninitialised beyond PixelCount()
};

} // namespace orvd
