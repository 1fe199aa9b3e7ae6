#pragma once

#include <cstdint>

namespace orvd {

// A pixel position: column and row, origin top-left, y downwards.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and Bottom are exclusive: (0, 0, w, h) covers w x h pixels.
struct Rect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The rectangle of r's size whose top-left corner is (x, y).
constexpr Rect PlaceRect(const Rect& r, std::int32_t x, std::int32_t y) {
    return Rect{x, y, x + (r.Right - r.Left), y + (r.Bottom - r.Top)};
}

} // namespace orvd
