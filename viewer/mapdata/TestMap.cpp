#include "mapdata/TestMap.h"

#include "base/Raster.h"

namespace orvd {

std::uint32_t RandomSeed = 0;

std::uint32_t NextRandom(std::uint32_t n) {
    RandomSeed = RandomSeed * 134775813u + 1u; // modulo 2^32 by unsigned wrap-around
    return std::uint32_t((std::uint64_t(n) * RandomSeed) >> 32);
}

void MakeTestMap(Image& image, BusyIndicator* busy) {
    BusyScope hourglass(busy);
    RandomSeed = 44;
    image.Resize(kTestMapWidth, kTestMapHeight, kWhitePixel);
    for (int shape = 0; shape < 20; ++shape) {
        const bool rectangle = NextRandom(20) > 14;
        const auto x = std::int32_t(NextRandom(kTestMapWidth));
        const auto y = std::int32_t(NextRandom(kTestMapHeight));
        std::int32_t a = 0, b = 0, r = 0;
        if (rectangle) {
            a = std::int32_t(NextRandom(100)) + 100;
            b = std::int32_t(NextRandom(100)) + 100;
        } else {
            r = std::int32_t(NextRandom(100)) + 100;
        }
        const Pixel line = PixelFromBgr(NextRandom(16777216));
        const Pixel fill = PixelFromBgr(NextRandom(16777216));
        if (rectangle) // b on the right and a at the bottom: always a square of side a + b
            FillRect(image, Rect{x - a, y - b, x + b, y + a}, fill);
        else
            DrawEllipse(image, Rect{x - r, y - r, x + r, y + r}, line, fill);
    }
}

} // namespace orvd
