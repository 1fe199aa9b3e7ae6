#pragma once

#include "view/Geometry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvd {

// Moving the view to a position, at once or in a slide of fixed steps, one step per timer tick.
// The owner keeps its timer running exactly while Animating() is true and paints (ShowMap)
// whenever a call asks for it.
class MapAnimation {
public:
    std::int32_t TargetLeft = 0; // the ViewLeft, ViewTop the current or last move aims at
    std::int32_t TargetTop = 0;
    std::int32_t StepX = 0; // added per tick; 0 once the axis has arrived
    std::int32_t StepY = 0;

    // The timer's state: enabled by an animated move, disabled by the tick that ends it.
    bool Animating() const { return animating_; }

    // Aims at view position (x, y). Animated: the steps are the distances limited to
    // [-speed, speed], nothing moves until the next tick, and a slide under way turns towards
    // the new target. Otherwise the view is put there at once and the slide, if any, goes on
    // from there. Returns true when the caller must paint now.
    bool MoveMap(ViewGeometry& g, std::int32_t x, std::int32_t y, bool animate, int speed);

    // One timer tick: per axis, the arrival test, then the step. The caller paints after
    // every tick, the last one included. `mapWidth` and `mapHeight` give the clamp's range:
    // an axis whose target lies beyond it stops once the clamp holds it at the edge.
    void Tick(ViewGeometry& g, int mapWidth, int mapHeight);

private:
    bool animating_ = false;
};

// The view position that puts the point at `index` of a list (the location list or the search
// results) under the crosshair; nothing when no entry is chosen.
std::optional<Point> PositionForChoice(const ViewGeometry& g, const std::vector<Point>& points,
                                       int index);

} // namespace orvd
