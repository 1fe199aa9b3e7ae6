#include "mapdata/MapTable.h"

namespace orvd {

bool IsMapCode(std::string_view code) {
    for (const auto& map : kMaps)
        if (code == map.Code)
            return true;
    return false;
}

std::string NextMapCode(std::string_view code) {
    for (int i = 0; i < MapCount; ++i)
        if (code == kMaps[i].Code)
            return kMaps[(i + 1) % MapCount].Code;
    return kMaps[0].Code;
}

std::string MainPictureName(std::string_view code) {
    return std::string(code) + ".map";
}

std::string OverviewPictureName(std::string_view code) {
    return std::string(code) + "_small.map";
}

MapChoice ChooseMap(std::string_view code, const std::function<bool(const std::string&)>& exists) {
    MapChoice choice{IsMapCode(code) ? std::string(code) : std::string(kTestMapCode), false};
    if (choice.Code == kTestMapCode)
        return choice;
    for (int counter = 0; counter < MapCount; ++counter) {
        if (exists(MainPictureName(choice.Code))) {
            choice.HasPicture = true;
            return choice;
        }
        choice.Code = NextMapCode(choice.Code);
    }
    return choice; // a whole turn: back at the code asked for
}

} // namespace orvd
