#include "mapdata/LocationList.h"

#include "base/FileSystem.h"
#include "mapdata/LocationsFile.h"
#include "mapdata/SortLocations.h"

namespace orvd {

std::string CaptionFor(std::string_view languageName) {
    return "Orvandel Map - " + std::string(languageName);
}

LocationList LoadNames(const std::string& path, std::int32_t mapWidth, std::int32_t mapHeight,
                       ProfileStorage* storage) {
    LocationList list;
    list.LocationsFile = FileNamePart(path);
    LocationsFileContent content = ReadLocationsFile(path, mapWidth, mapHeight, storage);
    list.LanguageName = std::move(content.LanguageName);
    list.Caption = CaptionFor(list.LanguageName);
    list.Names = std::move(content.Names);
    list.LocationPoints = std::move(content.Points);
    SortLocations(list.Names, list.LocationPoints);
    return list;
}

} // namespace orvd
