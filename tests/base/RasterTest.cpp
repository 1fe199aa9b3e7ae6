#include "base/Raster.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>

namespace orvd {
namespace {

constexpr Pixel kBack = MakePixel(10, 20, 30);
constexpr Pixel kInk = MakePixel(200, 0, 100);
constexpr Pixel kFill = MakePixel(1, 2, 3);

int CountPixels(const Image& image, Pixel p) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += image.At(x, y) == p;
    return n;
}

TEST(Raster, FillRectClipsToTheImage) {
    struct Case {
        Rect r;
        int expected;
    };
    const Case cases[] = {
        {{2, 3, 5, 7}, 12},   {{-4, -4, 2, 3}, 6},
        {{8, 8, 20, 20}, 4},  {{10, 0, 12, 10}, 0},
        {{-5, -5, 0, 10}, 0}, {{5, 5, 5, 9}, 0},
        {{6, 6, 3, 3}, 0},    {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 100},
    };
    for (const Case& c : cases) {
        Image image(10, 10, kBack);
        FillRect(image, c.r, kInk);
        EXPECT_EQ(CountPixels(image, kInk), c.expected) << c.r.Left << "," << c.r.Top;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool inside =
                    x >= c.r.Left && x < c.r.Right && y >= c.r.Top && y < c.r.Bottom;
                ASSERT_EQ(image.At(x, y), inside ? kInk : kBack) << x << "," << y;
            }
    }
}

// The brush rows as the window system defines them.
constexpr std::uint8_t kPatterns[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},
};

std::uint8_t RowBits(const Image& image, int x0, int y) {
    std::uint8_t bits = 0;
    for (int i = 0; i < 8; ++i)
        if (image.At(x0 + i, y) == kInk)
            bits |= std::uint8_t(0x80 >> i);
    return bits;
}

TEST(Raster, HatchPatternsMatchTheBrushRowsAndStayAnchoredToTheOrigin) {
    for (int hatch = 0; hatch < 6; ++hatch) {
        Image whole(24, 24, kBack);
        HatchRect(whole, Rect{0, 0, 24, 24}, kInk, hatch);
        for (int y = 0; y < 24; ++y)
            for (int x0 = 0; x0 < 24; x0 += 8)
                ASSERT_EQ(RowBits(whole, x0, y), kPatterns[hatch][y % 8])
                    << "hatch " << hatch << " row " << y;

        // An offset rectangle shows the same pattern where it lies, and leaves the rest alone.
        Image part(24, 24, kBack);
        const Rect r{3, 5, 19, 22};
        HatchRect(part, r, kInk, hatch);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
                ASSERT_EQ(part.At(x, y), inside ? whole.At(x, y) : kBack)
                    << "hatch " << hatch << " at " << x << "," << y;
            }
    }
}

TEST(Raster, HatchKeepsTheBackgroundAndClips) {
    Image image(16, 16, kBack);
    HatchRect(image, Rect{-100, -100, 100, 100}, kInk, 5);
    EXPECT_EQ(CountPixels(image, kInk), 16 * 4);
    EXPECT_EQ(CountPixels(image, kBack), 16 * 12);
    HatchRect(image, Rect{0, 0, 16, 16}, kFill, 6);
    HatchRect(image, Rect{0, 0, 16, 16}, kFill, -1);
    EXPECT_EQ(CountPixels(image, kFill), 0);
}

Image Gradient(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.Set(x, y, MakePixel(std::uint8_t(x), std::uint8_t(y), 0x10));
    return image;
}

TEST(Raster, CopyRectCopiesAndOrsPixelForPixel) {
    const Image src = Gradient(20, 10);
    Image dst(8, 8, kBack);
    CopyRect(dst, Rect{2, 1, 6, 4}, src, Rect{10, 5, 14, 8}, RasterOp::Copy);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            ASSERT_EQ(dst.At(x, y), inside ? src.At(x + 8, y + 4) : kBack);
        }

    Image ored(4, 4, MakePixel(0xF0, 0x00, 0x01));
    CopyRect(ored, Rect{0, 0, 4, 4}, src, Rect{3, 2, 7, 6}, RasterOp::Or);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(ored.At(x, y),
                      MakePixel(std::uint8_t(0xF0 | (x + 3)), std::uint8_t(y + 2), 0x11));
}

TEST(Raster, CopyRectLeavesPixelsWithoutSourceAndClipsBothImages) {
    const Image src = Gradient(6, 5);
    struct Case {
        Rect dstRect;
        Rect srcRect;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {-3, -2, 7, 8}},   // source sticks out at every side
        {{-4, -4, 6, 6}, {0, 0, 10, 10}},   // destination sticks out top-left
        {{5, 5, 15, 15}, {2, 2, 12, 12}},   // both stick out bottom-right
        {{0, 0, 10, 10}, {50, 50, 60, 60}}, // source wholly outside
        {{20, 0, 30, 10}, {0, 0, 10, 10}},  // destination wholly outside
        {{0, 0, 10, 10}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}},
        {{0, 0, 3, 10}, {1, 1, 9, 2}}, // different sizes: the common part
    };
    for (const Case& c : cases) {
        Image dst(10, 10, kBack);
        CopyRect(dst, c.dstRect, src, c.srcRect, RasterOp::Copy);
        const long long w = std::min<long long>((long long)c.dstRect.Right - c.dstRect.Left,
                                                (long long)c.srcRect.Right - c.srcRect.Left);
        const long long h = std::min<long long>((long long)c.dstRect.Bottom - c.dstRect.Top,
                                                (long long)c.srcRect.Bottom - c.srcRect.Top);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const long long sx = (long long)x - c.dstRect.Left + c.srcRect.Left;
                const long long sy = (long long)y - c.dstRect.Top + c.srcRect.Top;
                const bool copied = x - c.dstRect.Left >= 0 && x - c.dstRect.Left < w &&
                                    y - c.dstRect.Top >= 0 && y - c.dstRect.Top < h && sx >= 0 &&
                                    sy >= 0 && sx < src.Width() && sy < src.Height();
                ASSERT_EQ(dst.At(x, y), copied ? src.At(int(sx), int(sy)) : kBack)
                    << "case " << (&c - cases) << " at " << x << "," << y;
            }
    }
}

TEST(Raster, LinesLeaveOutTheirEndPoint) {
    struct Case {
        Point from;
        Point to;
        int count;
        Point first;
        Point last;
    };
    const Case cases[] = {
        {{2, 5}, {9, 5}, 7, {2, 5}, {8, 5}},     // rightward
        {{9, 5}, {2, 5}, 7, {3, 5}, {9, 5}},     // leftward: (to, from]
        {{4, 1}, {4, 11}, 10, {4, 1}, {4, 10}},  // downward
        {{4, 11}, {4, 1}, 10, {4, 2}, {4, 11}},  // upward
        {{1, 1}, {6, 6}, 5, {1, 1}, {5, 5}},     // diagonal
        {{-5, 3}, {30, 3}, 16, {0, 3}, {15, 3}}, // clipped at both ends
        {{3, 3}, {3, 3}, 0, {}, {}},
    };
    for (const Case& c : cases) {
        Image image(16, 16, kBack);
        DrawLine(image, c.from, c.to, kInk);
        EXPECT_EQ(CountPixels(image, kInk), c.count) << "case " << (&c - cases);
        if (c.count > 0) {
            EXPECT_EQ(image.At(c.first.x, c.first.y), kInk);
            EXPECT_EQ(image.At(c.last.x, c.last.y), kInk);
        }
        EXPECT_TRUE(!image.Contains(c.to.x, c.to.y) || image.At(c.to.x, c.to.y) == kBack);
    }
}

TEST(Raster, SlantedLinesAreConnectedAndSafeFarOutside) {
    Image image(20, 20, kBack);
    DrawLine(image, Point{0, 0}, Point{15, 6}, kInk);
    EXPECT_EQ(CountPixels(image, kInk), 15); // one pixel per column, end left out
    for (int x = 0; x < 15; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 20; ++y)
            inColumn += image.At(x, y) == kInk;
        EXPECT_EQ(inColumn, 1) << x;
    }
    EXPECT_EQ(image.At(0, 0), kInk);
    EXPECT_EQ(image.At(14, 6), kInk);
    Image other(20, 20, kBack);
    DrawLine(other, Point{-1000, -900}, Point{-10, 5000}, kInk);
    DrawLine(other, Point{INT32_MIN, 3}, Point{INT32_MAX, 3}, kInk);
    EXPECT_EQ(CountPixels(other, kInk), 20);
}

TEST(Raster, EllipseIsSymmetricInsideItsBoxAndOutlined) {
    const Rect boxes[] = {
        {3, 4, 40, 25}, {0, 0, 30, 30}, {5, 5, 6, 12}, {2, 2, 9, 4}, {1, 1, 4, 4}};
    for (const Rect& box : boxes) {
        Image image(48, 32, kBack);
        DrawEllipse(image, box, kInk, kFill);
        bool touches[4] = {};
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 48; ++x) {
                const Pixel p = image.At(x, y);
                if (p == kBack)
                    continue;
                ASSERT_TRUE(x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom);
                const int mx = box.Left + box.Right - 1 - x;
                const int my = box.Top + box.Bottom - 1 - y;
                ASSERT_EQ(image.At(mx, y), p);
                ASSERT_EQ(image.At(x, my), p);
                touches[0] |= x == box.Left;
                touches[1] |= x == box.Right - 1;
                touches[2] |= y == box.Top;
                touches[3] |= y == box.Bottom - 1;
                if (p == kFill) { // the outline closes the interior off
                    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                        ASSERT_NE(image.At(x + dx, y + dy), kBack);
                    }
                }
            }
        EXPECT_TRUE(touches[0] && touches[1] && touches[2] && touches[3]) << box.Left;
    }
}

TEST(Raster, EllipseKnownShapesAndClipping) {
    Image dot(5, 5, kBack);
    DrawEllipse(dot, Rect{2, 2, 3, 3}, kInk, kFill);
    EXPECT_EQ(CountPixels(dot, kInk), 1);
    EXPECT_EQ(dot.At(2, 2), kInk);
    DrawEllipse(dot, Rect{3, 3, 3, 5}, kInk, kFill);
    EXPECT_EQ(CountPixels(dot, kInk), 1);

    // A 9 x 9 circle: full middle row, rim only at its ends, a narrow top row.
    Image circle(9, 9, kBack);
    DrawEllipse(circle, Rect{0, 0, 9, 9}, kInk, kFill);
    EXPECT_EQ(circle.At(0, 4), kInk);
    EXPECT_EQ(circle.At(1, 4), kFill);
    EXPECT_EQ(circle.At(4, 4), kFill);
    EXPECT_EQ(circle.At(0, 0), kBack);
    EXPECT_EQ(circle.At(4, 0), kInk);
    EXPECT_EQ(circle.At(4, 1), kFill);

    // Clipped drawing equals the same part of an unclipped one.
    Image big(120, 120, kBack);
    DrawEllipse(big, Rect{10, 20, 110, 90}, kInk, kFill);
    Image small(50, 50, kBack);
    DrawEllipse(small, Rect{-30, -40, 70, 30}, kInk, kFill);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(small.At(x, y), big.At(x + 40, y + 60)) << x << "," << y;
    Image far(8, 8, kBack);
    DrawEllipse(far, Rect{-2000000, -2000000, 2000000, 2000000}, kInk, kFill);
    EXPECT_EQ(CountPixels(far, kBack), 0);
}

} // namespace
} // namespace orvd
