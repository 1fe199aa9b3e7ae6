// Map picture decoding on arbitrary bytes: a failure leaves the image empty, a success writes
// every pixel (two images filled differently beforehand come out equal), and decoding into a
// fresh image and into a reused one gives the same picture.
#include "Check.h"
#include "base/Error.h"
#include "mapdata/JpegDecoder.h"

#include <cstdint>
#include <string_view>

namespace {

using namespace orvd;

// Enough for a 1024 x 1024 picture, so a header that claims more fails fast as a picture that
// cannot be held: a few hundred bytes can make libjpeg decode a large picture without a warning.
constexpr std::size_t kMemoryLimit = std::size_t(4) << 20;

bool Decodes(std::string_view bytes, Image& image) {
    try {
        DecodeJpeg(bytes, image, kMemoryLimit);
        return true;
    } catch (const Error&) {
        FUZZ_CHECK(image.IsEmpty());
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Image fresh;
    const bool decoded = Decodes(bytes, fresh);

    Image reused(3, 2, kBlackPixel);
    FUZZ_CHECK(Decodes(bytes, reused) == decoded);
    if (!decoded)
        return 0;
    FUZZ_CHECK(!fresh.IsEmpty());
    for (int y = 0; y < fresh.Height(); ++y)
        for (int x = 0; x < fresh.Width(); ++x)
            FUZZ_CHECK(fresh.At(x, y) >> 24 == 0xFF);
    FUZZ_CHECK(reused == fresh);

    // The same size again, so the pixels are overwritten in place.
    for (const Pixel fill : {0x00000000u, 0x12345678u}) {
        Image same(fresh.Width(), fresh.Height(), fill);
        FUZZ_CHECK(Decodes(bytes, same));
        FUZZ_CHECK(same == fresh);
    }
    return 0;
}
