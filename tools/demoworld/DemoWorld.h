#pragma once

#include "MapPlan.h"
#include "PlaceFinder.h"
#include "Terrain.h"
#include "base/Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvd::demo {

struct DemoOptions {
    std::uint64_t Seed = 1;
    float Scale = 1; // 1 makes the real sizes; tests use smaller maps of the same world
    int Quality = 88;
};

// One generated map with everything its files are made of.
struct DemoMap {
    MapPlan Plan;
    Terrain Land;
    Image Picture;
    Image Overview;
    std::vector<Place> Places;
    // Names[l][i]: the name of place i in DemoLanguages()[l], unique within a language
    // ignoring case.
    std::vector<std::vector<std::string>> Names;
};

DemoMap MakeDemoMap(const MapPlan& plan, const DemoOptions& options);

// Writes code.map and code_small.map (JPEG) and one locations file per language, named by the
// map code and the first five bytes of the language's display name (NR_Engli.dat). An earlier
// file of the same name is replaced whole, so the same map always gives the same bytes. Throws
// orvd::Error naming the file that could not be written.
void WriteDemoMap(const std::string& folder, const DemoMap& map, int quality);

// Makes the folder when needed, then generates and writes the three maps one after the other.
// Throws orvd::Error when the folder cannot be made or a file cannot be written.
void MakeDemoWorld(const std::string& folder, const DemoOptions& options);

} // namespace orvd::demo
