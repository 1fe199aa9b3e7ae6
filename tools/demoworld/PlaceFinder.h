#pragma once

#include "MapPlan.h"
#include "Terrain.h"
#include "base/Rect.h"

#include <vector>

namespace orvd::demo {

enum class PlaceKind { CoastTown, RiverTown, LakeTown, Town, Peak, Pass, Lake, Cape, Bay, Forest };

// Lakes and bays lie on water; every other kind on land.
bool OnLand(PlaceKind kind);

struct Place {
    PlaceKind Kind;
    Point Position; // pixel of the main picture
};

// The named places of a map where the terrain really has them: towns on coasts, rivers and lake
// shores, peaks, passes (saddles between heights), lakes, capes, bays and forests. Deterministic;
// at least 40 places on any of the demo maps, kept apart so their names do not crowd.
std::vector<Place> FindPlaces(const MapPlan& plan, const Terrain& terrain);

} // namespace orvd::demo
