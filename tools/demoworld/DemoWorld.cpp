#include "DemoWorld.h"

#include "JpegFile.h"
#include "Noise.h"
#include "PlaceNames.h"
#include "Relief.h"
#include "base/Error.h"
#include "base/TextCase.h"
#include "mapdata/LocationsFile.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace orvd::demo {

DemoMap MakeDemoMap(const MapPlan& plan, const DemoOptions& options) {
    DemoMap map;
    map.Plan = plan;
    map.Land = MakeTerrain(plan, options.Scale);
    map.Picture = RenderRelief(plan, map.Land);
    map.Overview = MakeOverview(map.Picture);
    map.Places = FindPlaces(plan, map.Land);
    const auto& languages = DemoLanguages();
    for (std::size_t l = 0; l < languages.size(); ++l) {
        std::vector<std::string> names;
        std::set<std::string> used;
        for (std::size_t i = 0; i < map.Places.size(); ++i) {
            for (std::uint64_t attempt = 0;; ++attempt) {
                Random random(MixSeed(plan.Seed, i, (l + 1) * 1000 + attempt));
                std::string name = MakePlaceName(languages[l].Id, map.Places[i].Kind, random);
                if (used.insert(FoldedText(name)).second) {
                    names.push_back(std::move(name));
                    break;
                }
            }
        }
        map.Names.push_back(std::move(names));
    }
    return map;
}

void WriteDemoMap(const std::string& folder, const DemoMap& map, int quality) {
    const std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const std::string& code = map.Plan.Code;
    WriteFileReplacing(dir + code + ".map", EncodeJpeg(map.Picture, quality));
    WriteFileReplacing(dir + code + "_small.map", EncodeJpeg(map.Overview, quality));
    std::vector<Point> points;
    for (const Place& place : map.Places)
        points.push_back(place.Position);
    const auto& languages = DemoLanguages();
    for (std::size_t l = 0; l < languages.size(); ++l) {
        const std::string path = dir + NewLocationsFileName(code, languages[l].DisplayName);
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error)
            throw Error("Cannot replace " + path + ": " + error.message());
        SaveLocationsFile(path, languages[l].DisplayName, map.Names[l], points);
    }
}

void MakeDemoWorld(const std::string& folder, const DemoOptions& options) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder))
        throw Error("Cannot make the folder " + folder +
                    (error ? ": " + error.message() : std::string(": a file has that name")));
    for (const MapPlan& plan : DemoMaps(options.Seed))
        WriteDemoMap(folder, MakeDemoMap(plan, options), options.Quality);
}

} // namespace orvd::demo
