#include "base/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace orvd {
namespace {

using i64 = std::int64_t;

// Rows of the window system's hatch brushes, most significant bit leftmost.
constexpr std::uint8_t kHatchRows[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // down diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // up diagonal
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
};

struct Span {
    i64 begin = 0;
    i64 end = 0;
};

// The part of [begin, end) that lies within [0, limit).
Span Clip(i64 begin, i64 end, i64 limit) {
    return Span{std::max<i64>(begin, 0), std::min<i64>(end, limit)};
}

void FillRun(Pixel* row, i64 begin, i64 end, i64 width, Pixel colour) {
    const Span s = Clip(begin, end, width);
    if (s.begin < s.end)
        std::fill(row + s.begin, row + s.end, colour);
}

} // namespace

void FillRect(Image& image, const Rect& r, Pixel colour) {
    const Span xs = Clip(r.Left, r.Right, image.Width());
    const Span ys = Clip(r.Top, r.Bottom, image.Height());
    if (xs.begin >= xs.end || ys.begin >= ys.end)
        return;
    // One row filled pixel by pixel, the others copied from it: memcpy runs far wider.
    const Pixel* first = image.Row(int(ys.begin)) + xs.begin;
    std::fill(image.Row(int(ys.begin)) + xs.begin, image.Row(int(ys.begin)) + xs.end, colour);
    const std::size_t bytes = std::size_t(xs.end - xs.begin) * sizeof(Pixel);
    for (i64 y = ys.begin + 1; y < ys.end; ++y)
        std::memcpy(image.Row(int(y)) + xs.begin, first, bytes);
}

void HatchRect(Image& image, const Rect& r, Pixel colour, int hatch) {
    if (hatch < 0 || hatch > 5)
        return;
    const Span xs = Clip(r.Left, r.Right, image.Width());
    const Span ys = Clip(r.Top, r.Bottom, image.Height());
    if (xs.begin >= xs.end)
        return;
    for (i64 y = ys.begin; y < ys.end; ++y) {
        const std::uint8_t bits = kHatchRows[hatch][y & 7];
        if (bits == 0)
            continue;
        Pixel* row = image.Row(int(y));
        if (bits == 0xFF) {
            std::fill(row + xs.begin, row + xs.end, colour);
            continue;
        }
        // Each set bit is a column that repeats every 8 pixels.
        for (int bit = 0; bit < 8; ++bit) {
            if (!(bits & (0x80 >> bit)))
                continue;
            i64 x = xs.begin + ((bit - xs.begin) & 7);
            for (; x < xs.end; x += 8)
                row[x] = colour;
        }
    }
}

void CopyRect(Image& dst, const Rect& dstRect, const Image& src, const Rect& srcRect, RasterOp op) {
    const i64 w = std::min(i64(dstRect.Right) - dstRect.Left, i64(srcRect.Right) - srcRect.Left);
    const i64 h = std::min(i64(dstRect.Bottom) - dstRect.Top, i64(srcRect.Bottom) - srcRect.Top);
    if (w <= 0 || h <= 0)
        return;
    // Source coordinate = destination coordinate + offset.
    const i64 ox = i64(srcRect.Left) - dstRect.Left;
    const i64 oy = i64(srcRect.Top) - dstRect.Top;
    const i64 x0 = std::max({i64(dstRect.Left), i64(0), -ox});
    const i64 x1 = std::min({i64(dstRect.Left) + w, i64(dst.Width()), src.Width() - ox});
    const i64 y0 = std::max({i64(dstRect.Top), i64(0), -oy});
    const i64 y1 = std::min({i64(dstRect.Top) + h, i64(dst.Height()), src.Height() - oy});
    if (x0 >= x1 || y0 >= y1)
        return;
    const std::size_t count = std::size_t(x1 - x0);
    for (i64 y = y0; y < y1; ++y) {
        Pixel* d = dst.Row(int(y)) + x0;
        const Pixel* s = src.Row(int(y + oy)) + (x0 + ox);
        // Rows of a wide map lie pages apart, where the hardware prefetcher stops; fetching the
        // next row ahead keeps a view-sized copy near the speed of one contiguous memcpy.
        if (y + 1 < y1) {
            const char* next = reinterpret_cast<const char*>(src.Row(int(y + 1 + oy)) + (x0 + ox));
            for (std::size_t off = 0; off < count * sizeof(Pixel); off += 64)
                __builtin_prefetch(next + off);
        }
        if (op == RasterOp::Copy)
            std::memcpy(d, s, count * sizeof(Pixel));
        else
            for (std::size_t i = 0; i < count; ++i)
                d[i] |= s[i];
    }
}

void DrawLine(Image& image, Point from, Point to, Pixel colour) {
    const i64 width = image.Width();
    const i64 height = image.Height();
    if (from.y == to.y) {
        if (from.y < 0 || from.y >= height)
            return;
        // Leftward lines cover (to, from]: the end point is still the one left out.
        const i64 begin = from.x <= to.x ? i64(from.x) : i64(to.x) + 1;
        const i64 end = from.x <= to.x ? i64(to.x) : i64(from.x) + 1;
        FillRun(image.Row(from.y), begin, end, width, colour);
        return;
    }
    if (from.x == to.x) {
        if (from.x < 0 || from.x >= width)
            return;
        const i64 begin = from.y <= to.y ? i64(from.y) : i64(to.y) + 1;
        const i64 end = from.y <= to.y ? i64(to.y) : i64(from.y) + 1;
        const Span ys = Clip(begin, end, height);
        for (i64 y = ys.begin; y < ys.end; ++y)
            image.Row(int(y))[from.x] = colour;
        return;
    }
    // Nothing to draw when the line's bounding box misses the image.
    if (std::max(from.x, to.x) < 0 || std::min<i64>(from.x, to.x) >= width ||
        std::max(from.y, to.y) < 0 || std::min<i64>(from.y, to.y) >= height)
        return;
    const i64 dx = std::abs(i64(to.x) - from.x);
    const i64 dy = -std::abs(i64(to.y) - from.y);
    const i64 sx = from.x < to.x ? 1 : -1;
    const i64 sy = from.y < to.y ? 1 : -1;
    i64 x = from.x;
    i64 y = from.y;
    i64 err = dx + dy;
    while (x != to.x || y != to.y) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            image.Row(int(y))[x] = colour;
        const i64 e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

namespace {

// The exact product of two 64-bit numbers as (high, low) words, which compare in that order.
// 32-bit compilers have no 128-bit integer type.
std::pair<uint64_t, uint64_t> WideProduct(uint64_t a, uint64_t b) {
    const uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
    const uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const uint64_t low = aLow * bLow;
    const uint64_t middle1 = aHigh * bLow + (low >> 32);
    const uint64_t middle2 = aLow * bHigh + (middle1 & 0xFFFFFFFFu);
    return {aHigh * bHigh + (middle1 >> 32) + (middle2 >> 32),
            (middle2 << 32) | (low & 0xFFFFFFFFu)};
}

// The run of pixels of one box row whose centres lie inside the inscribed ellipse. With the box
// w x h and d = 2 * (distance of a centre from the box's middle), a centre is inside when
// dx^2 h^2 + dy^2 w^2 <= w^2 h^2, that is (dx h)^2 <= w^2 (h - dy)(h + dy); the run is centred,
// so both halves mirror exactly.
Span EllipseRow(const Rect& box, i64 y) {
    const i64 w = i64(box.Right) - box.Left;
    const i64 h = i64(box.Bottom) - box.Top;
    if (y < box.Top || y >= box.Bottom)
        return Span{};
    const i64 dy = 2 * (y - box.Top) + 1 - h;
    const uint64_t w2 = uint64_t(w) * uint64_t(w);
    const uint64_t rows = uint64_t(h - dy) * uint64_t(h + dy);
    const auto rhs = WideProduct(w2, rows);
    const auto inside = [&](i64 k) {
        const uint64_t kh = uint64_t(k) * uint64_t(h);
        return WideProduct(kh, kh) <= rhs;
    };
    const long double guess = std::sqrt(static_cast<long double>(w2) * rows) / h;
    i64 k = i64(guess);
    while (k > 0 && !inside(k))
        --k;
    while (inside(k + 1))
        ++k;
    // dx runs over values of the parity of w + 1 only.
    if ((k & 1) != ((w + 1) & 1))
        --k;
    const i64 count = k + 1; // pixels with |dx| <= k
    if (count <= 0)
        return Span{};
    const i64 begin = box.Left + (w - count) / 2;
    return Span{begin, begin + count};
}

} // namespace

void DrawEllipse(Image& image, const Rect& box, Pixel line, Pixel fill) {
    const i64 w = i64(box.Right) - box.Left;
    const i64 h = i64(box.Bottom) - box.Top;
    // The exact row test needs w^2 h^2 within 128 bits; no real box comes near that.
    constexpr i64 kMaxSide = i64(1) << 30;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide)
        return;
    const i64 width = image.Width();
    const Span ys = Clip(box.Top, box.Bottom, image.Height());
    for (i64 y = ys.begin; y < ys.end; ++y) {
        const Span s = EllipseRow(box, y);
        if (s.begin >= s.end)
            continue;
        Pixel* row = image.Row(int(y));
        const Span above = EllipseRow(box, y - 1);
        const Span below = EllipseRow(box, y + 1);
        if (above.begin >= above.end || below.begin >= below.end) {
            FillRun(row, s.begin, s.end, width, line);
            continue;
        }
        // A pixel is on the rim when the narrower neighbouring row does not cover it.
        const i64 innerBegin = std::max(above.begin, below.begin);
        const i64 innerEnd = std::min(above.end, below.end);
        const i64 leftEnd = std::min(s.end, std::max(s.begin + 1, innerBegin));
        const i64 rightBegin = std::max(leftEnd, std::min(s.end - 1, innerEnd));
        FillRun(row, s.begin, leftEnd, width, line);
        FillRun(row, leftEnd, rightBegin, width, fill);
        FillRun(row, rightBegin, s.end, width, line);
    }
}

} // namespace orvd
