#include "mapdata/MapLoading.h"

#include "base/FileSystem.h"
#include "mapdata/MapPictures.h"
#include "mapdata/MapTable.h"
#include "mapdata/TestMap.h"

namespace orvd {

LoadedMap LoadMap(const std::string& code, const std::string& programDir, Image& map,
                  Image& overview, BusyIndicator* busy) {
    const MapChoice choice = ChooseMap(code, [&](const std::string& name) {
        return FileExists(ResolveFileName(programDir, name));
    });
    LoadedMap loaded;
    loaded.Code = choice.Code;
    if (!choice.HasPicture) {
        MakeTestMap(map, busy);
        loaded.OverviewWorks = false;
        return loaded;
    }
    bool failed = true;
    try {
        LoadMapImage(map, programDir, loaded.Code, failed, busy);
    } catch (const std::exception&) {
        // A picture that does not decode shows nothing and tells nothing.
    }
    if (failed)
        return loaded;
    try {
        LoadOverviewImage(overview, programDir, loaded.Code);
        loaded.OverviewWorks = true;
    } catch (const std::exception&) {
        loaded.OverviewWorks = false;
    }
    loaded.ListLanguages = true;
    return loaded;
}

} // namespace orvd
