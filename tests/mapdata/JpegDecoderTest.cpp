#include "mapdata/JpegDecoder.h"

#include "JpegWriter.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "mapdata/MapPictures.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace orvd {
namespace {

using testing::EncodeJpeg;
using testing::TempDir;
using testing::WriteFile;

Image Gradient(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.Set(x, y, MakePixel(std::uint8_t(x * 255 / w), std::uint8_t(y * 255 / h), 128));
    return image;
}

// Patches the frame header (SOF0) of a baseline JPEG to claim another size.
std::string WithClaimedSize(std::string jpeg, unsigned width, unsigned height) {
    const auto sof = jpeg.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

TEST(DecodeJpeg, DecodesColourPictureAtFullSizeCloseToTheOriginal) {
    const Image original = Gradient(123, 77);
    Image decoded;
    DecodeJpeg(EncodeJpeg(original, 95), decoded);
    ASSERT_EQ(decoded.Width(), 123);
    ASSERT_EQ(decoded.Height(), 77);
    int worst = 0;
    for (int y = 0; y < 77; ++y)
        for (int x = 0; x < 123; ++x) {
            const Pixel a = original.At(x, y), b = decoded.At(x, y);
            EXPECT_EQ(b >> 24, 0xFFu);
            worst = std::max({worst, std::abs(RedOf(a) - RedOf(b)),
                              std::abs(GreenOf(a) - GreenOf(b)), std::abs(BlueOf(a) - BlueOf(b))});
        }
    EXPECT_LE(worst, 12);
}

TEST(DecodeJpeg, GreyPictureComesOutAsColourImageWithEqualChannels) {
    Image decoded;
    DecodeJpeg(EncodeJpeg(Gradient(40, 30), 90, true), decoded);
    ASSERT_EQ(decoded.Width(), 40);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const Pixel p = decoded.At(x, y);
            EXPECT_EQ(RedOf(p), GreenOf(p));
            EXPECT_EQ(GreenOf(p), BlueOf(p));
        }
}

TEST(DecodeJpeg, TruncatedPictureDecodesAtFullSizeAsLibjpegFillsIt) {
    const std::string good = EncodeJpeg(Gradient(256, 256), 95);
    Image whole, cut;
    DecodeJpeg(good, whole);
    DecodeJpeg(good.substr(0, good.size() / 2), cut);
    ASSERT_EQ(cut.Width(), 256);
    ASSERT_EQ(cut.Height(), 256);
    // The rows that arrived match the whole picture; the rest is libjpeg's filling.
    for (int x = 0; x < 256; ++x)
        EXPECT_EQ(cut.At(x, 0), whole.At(x, 0));
    EXPECT_NE(cut.At(255, 255), whole.At(255, 255));
}

struct BadPicture {
    const char* name;
    std::string bytes;
};

class BadPictures : public ::testing::TestWithParam<int> {};

std::vector<BadPicture> MakeBadPictures() {
    const std::string good = EncodeJpeg(Gradient(64, 64));
    return {
        {"empty", ""},
        {"header only", good.substr(0, 200)},
        {"not a jpeg", "This is a text file, not a picture.\r\n"},
        {"png signature", "\x89PNG\r\n\x1a\n" + std::string(100, '\0')},
        {"absurd size", WithClaimedSize(good, 60000, 60000)},
        {"zero size", WithClaimedSize(good, 0, 64)},
    };
}

TEST(DecodeJpeg, BadDataThrowsAndLeavesImageEmpty) {
    for (const auto& bad : MakeBadPictures()) {
        SCOPED_TRACE(bad.name);
        Image image(10, 10);
        EXPECT_THROW(DecodeJpeg(bad.bytes, image), Error);
        EXPECT_TRUE(image.IsEmpty());
    }
}

TEST(DecodeJpeg, APictureThatCannotBeHeldFailsBeforeTakingTheMemory) {
    const std::size_t imageBytes = 256 * 256 * sizeof(Pixel);
    const std::string baseline = EncodeJpeg(Gradient(256, 256));
    const std::string progressive = EncodeJpeg(Gradient(256, 256), 90, false, true);
    const struct {
        const char* name;
        const std::string& bytes;
        std::size_t limit;
        bool decodes;
    } cases[] = {
        {"baseline, no room for the image", baseline, imageBytes - 1, false},
        {"baseline, room for the image", baseline, imageBytes + 1, true},
        // Three components of 2-byte coefficients, the colour ones at a quarter: 196 608 bytes.
        {"progressive, no room for its buffers", progressive, imageBytes + 150000, false},
        {"progressive, room for its buffers", progressive, imageBytes + (1 << 20), true},
        {"progressive, the machine's memory", progressive, AvailableMemory(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Image image;
        if (c.decodes) {
            DecodeJpeg(c.bytes, image, c.limit);
            EXPECT_EQ(image.Width(), 256);
            continue;
        }
        try {
            DecodeJpeg(c.bytes, image, c.limit);
            ADD_FAILURE() << "decoded";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Picture size 256 x 256 needs more memory than is available");
        }
        EXPECT_TRUE(image.IsEmpty());
    }
    // An image that holds the pixels already needs no more for them.
    Image reused(256, 256);
    DecodeJpeg(baseline, reused, 1);
    EXPECT_EQ(reused.Height(), 256);
}

TEST(LoadMapImage, BadFilesSetFailedAndThrowWithoutEndingTheProgram) {
    TempDir dir;
    for (const auto& bad : MakeBadPictures()) {
        SCOPED_TRACE(bad.name);
        WriteFile(dir.File("NR.map"), bad.bytes);
        Image image;
        bool failed = false;
        EXPECT_THROW(LoadMapImage(image, dir.Path(), "NR", failed), Error);
        EXPECT_TRUE(failed);
        EXPECT_TRUE(image.IsEmpty());
    }
    Image image;
    bool failed = false;
    EXPECT_THROW(LoadMapImage(image, dir.Path(), "FM", failed), Error); // missing file
    EXPECT_TRUE(failed);
}

TEST(LoadMapImage, GoodFileDecodesAndKeepsHourglassBalanced) {
    struct CountingBusy : BusyIndicator {
        int begun = 0, ended = 0;
        void Begin() override { ++begun; }
        void End() override { ++ended; }
    } busy;
    TempDir dir;
    WriteFile(dir.File("BK.map"), EncodeJpeg(Gradient(200, 100)));
    Image image;
    bool failed = true;
    LoadMapImage(image, dir.Path(), "BK", failed, &busy);
    EXPECT_FALSE(failed);
    EXPECT_EQ(image.Width(), 200);
    EXPECT_EQ(image.Height(), 100);
    Image other;
    EXPECT_THROW(LoadMapImage(other, dir.Path(), "NR", failed, &busy), Error);
    EXPECT_EQ(busy.begun, 2);
    EXPECT_EQ(busy.ended, 2);
}

TEST(LoadOverviewImage, FailureKeepsWhatTheImageHeld) {
    TempDir dir;
    WriteFile(dir.File("NR_small.map"), "garbage");
    Image overview(5, 4, kBlackPixel);
    EXPECT_THROW(LoadOverviewImage(overview, dir.Path(), "NR"), Error);
    EXPECT_EQ(overview.Width(), 5);
    EXPECT_EQ(overview.At(4, 3), kBlackPixel);
    WriteFile(dir.File("NR_small.map"), EncodeJpeg(Gradient(20, 18)));
    LoadOverviewImage(overview, dir.Path(), "NR");
    EXPECT_EQ(overview.Width(), 20);
}

} // namespace
} // namespace orvd
