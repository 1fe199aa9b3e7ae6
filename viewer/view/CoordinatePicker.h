#pragma once

#include "base/Rect.h"

namespace orvd {

// Takes the map point of a left click on the main view while PickMode is set. The location
// editor implements it (its X and Y fields); the main window holds it without owning it.
class CoordinatePicker {
public:
    virtual ~CoordinatePicker() = default;
    // `map` is the clicked map point, not limited to the map's area.
    virtual void PickPoint(Point map) = 0;
};

} // namespace orvd
