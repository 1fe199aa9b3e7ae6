#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvd::demo {

// One map of the demo world: its code, size and the character of its land. Sizes are those of
// the main picture at scale 1; every length in the generator is measured in these pixels
// ("units"), so a smaller scale draws the same world with fewer pixels.
struct MapPlan {
    std::string Code;
    int Width = 0;
    int Height = 0;
    std::uint64_t Seed = 0;
    // How strongly each edge pulls the land under the sea, 0 (not at all) to about 1.
    float SeaWest = 0, SeaNorth = 0, SeaEast = 0, SeaSouth = 0;
    float Land = 0;      // raises or lowers all land
    float Mountains = 0; // share of mountainous land, about -0.5 .. 0.5
    float Wetness = 0;   // moisture: forests, lakes, rivers
    int MaxLakes = 8;
};

// NR, FM and BK of the one invented world, each with its seed derived from `worldSeed`.
std::vector<MapPlan> DemoMaps(std::uint64_t worldSeed);

} // namespace orvd::demo
