#include "MapPlan.h"

#include "Noise.h"

namespace orvd::demo {

std::vector<MapPlan> DemoMaps(std::uint64_t worldSeed) {
    // Norrowen: a mountainous land whose coasts face east and south, with islands; Fallowmere:
    // wet lowland of meres and rivers running to an eastern sea; Brackenmoor: high, dry moor
    // with a southern shore.
    //            code  width height seed                    west   north  east   south
    MapPlan nr{"NR",
               4000,
               3000,
               MixSeed(worldSeed, 1),
               0.05f,
               0.2f,
               0.9f,
               0.75f,
               /*land*/ 0.1f,
               /*mountains*/ 0.15f,
               /*wetness*/ 0.f,
               /*lakes*/ 8};
    MapPlan fm{"FM",  3200,  2600, MixSeed(worldSeed, 2), 0.f, 0.2f, 0.9f, 0.3f, 0.12f,
               -0.2f, 0.08f, 12};
    MapPlan bk{"BK", 2400,   2000, MixSeed(worldSeed, 3), 0.25f, 0.f, 0.2f, 0.9f, 0.16f,
               0.3f, -0.15f, 5};
    return {nr, fm, bk};
}

} // namespace orvd::demo
