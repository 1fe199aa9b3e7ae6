#include "base/Image.h"

#include "base/Error.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(Image, ResizeFillsAndKeepsAllocationWhenShrinking) {
    Image image(4, 3, MakePixel(1, 2, 3));
    EXPECT_EQ(image.At(3, 2), MakePixel(1, 2, 3));
    const Pixel* before = image.Data();
    image.Resize(2, 2, kBlackPixel);
    EXPECT_EQ(image.Data(), before);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.At(1, 1), kBlackPixel);
    image.Resize(4, 3);
    EXPECT_EQ(image.Data(), before);
}

TEST(Image, RefusesAbsurdSizesAndStaysUnchanged) {
    Image image(2, 2);
    EXPECT_THROW(image.Resize(60000, 60000), Error);
    EXPECT_THROW(image.Resize(-1, 5), Error);
    EXPECT_THROW(image.Resize(70000, 1), Error);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_TRUE(Image::SizeAllowed(0, 0));
    EXPECT_TRUE(Image::SizeAllowed(16000, 16000));
}

TEST(Image, ColourValueConversionsRoundTrip) {
    EXPECT_EQ(PixelFromBgr(0x0080FFFF), MakePixel(0xFF, 0xFF, 0x80));
    EXPECT_EQ(BgrFromPixel(MakePixel(0x12, 0x34, 0x56)), 0x00563412u);
}

} // namespace
} // namespace orvd
