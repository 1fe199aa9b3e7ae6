#include "base/help/PopupPlacement.h"

#include <algorithm>

namespace orvd {
namespace {

// The start of a span of `size` inside [low, high), or `low` when it does not fit.
std::int32_t KeepInside(std::int32_t start, std::int32_t size, std::int32_t low,
                        std::int32_t high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

Point PlacePopupBeside(const Rect& control, std::int32_t width, std::int32_t height,
                       const Rect& screen, std::int32_t gap) {
    std::int32_t x = control.Right + gap;
    if (x + width > screen.Right && control.Left - gap - width >= screen.Left)
        x = control.Left - gap - width;
    return Point{KeepInside(x, width, screen.Left, screen.Right),
                 KeepInside(control.Top, height, screen.Top, screen.Bottom)};
}

} // namespace orvd
