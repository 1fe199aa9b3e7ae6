#include "view/MapAnimation.h"

#include "base/Rounding.h"

#include <algorithm>

namespace orvd {

namespace {

using i64 = std::int64_t;

std::int32_t LimitedStep(std::int32_t target, std::int32_t position, int speed) {
    const i64 distance = i64(target) - position;
    return std::int32_t(std::clamp<i64>(distance, -i64(speed), i64(speed)));
}

// One axis of a tick; returns whether it has arrived. [low, high] is the clamp's range: the
// paint after each tick pulls the position back into it, so a target beyond it is never
// reached and the axis stops at the edge instead of stepping against it for ever.
bool TickAxis(std::int32_t& position, std::int32_t& step, std::int32_t target, i64 low, i64 high) {
    if (step == 0)
        return true;
    if ((step > 0 && position >= target) || (step < 0 && position <= target)) {
        step = 0;
        position = target;
        return true;
    }
    if ((step > 0 && position >= high && target > high) ||
        (step < 0 && position <= low && target < low)) {
        step = 0;
        return true;
    }
    position = SaturateToInt32(i64(position) + step);
    return false;
}

} // namespace

bool MapAnimation::MoveMap(ViewGeometry& g, std::int32_t x, std::int32_t y, bool animate,
                           int speed) {
    TargetLeft = x;
    TargetTop = y;
    if (animate) {
        StepX = LimitedStep(TargetLeft, g.ViewLeft, speed);
        StepY = LimitedStep(TargetTop, g.ViewTop, speed);
        animating_ = true;
        return false;
    }
    g.ViewLeft = x;
    g.ViewTop = y;
    return true;
}

void MapAnimation::Tick(ViewGeometry& g, int mapWidth, int mapHeight) {
    const ClampRange r = ClampRangeOf(g, mapWidth, mapHeight);
    const bool xArrived = TickAxis(g.ViewLeft, StepX, TargetLeft, r.MinLeft, r.MaxLeft);
    const bool yArrived = TickAxis(g.ViewTop, StepY, TargetTop, r.MinTop, r.MaxTop);
    if (xArrived && yArrived)
        animating_ = false;
}

std::optional<Point> PositionForChoice(const ViewGeometry& g, const std::vector<Point>& points,
                                       int index) {
    if (index < 0 || std::size_t(index) >= points.size())
        return std::nullopt;
    return ViewPositionFor(g, points[std::size_t(index)]);
}

} // namespace orvd
