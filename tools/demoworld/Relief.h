#pragma once

#include "MapPlan.h"
#include "Terrain.h"
#include "base/Image.h"

namespace orvd::demo {

// Paints the main picture of a terrain: colours by elevation and moisture, forests, a hill
// shade lit from the north-west, lakes, rivers and the sea by depth.
Image RenderRelief(const MapPlan& plan, const Terrain& terrain);

// The overview: the picture reduced by area averaging to 200 pixels wide (or, for a tall map,
// 178 high), keeping its proportions.
Image MakeOverview(const Image& picture);

} // namespace orvd::demo
