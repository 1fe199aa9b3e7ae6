#include "app/MainState.h"

#include "app/Settings.h"
#include "app/SettingsLocation.h"
#include "base/profile/ProfileFile.h"
#include "mapdata/LocationList.h"
#include "mapdata/MapTable.h"

namespace orvd {

std::string StartMapCode(const std::string& firstArgument) {
    return firstArgument == "testing" ? kTestMapCode : kMaps[0].Code;
}

void ReleaseImagesAndLists(MainState& state) {
    state.MapBitmap.Clear();
    state.SmallMapBitmap.Clear();
    state.View.ViewBuffer.Clear();
    state.View.OverviewBuffer.Clear();
    state.LanguageFiles.clear();
    state.LocationNames.clear();
    state.LocationPoints.clear();
    state.FoundPoints.clear();
}

Settings ReadMainSettings(const std::string& path, MainState& state,
                          std::vector<std::string>& errors) {
    Settings settings;
    errors = ReadSettings(ProfileFile(path), settings);
    state.LocationsFile = settings.LocationsFile;
    state.CrossColor = settings.CrossColor;
    state.BorderColor = settings.BorderColor;
    state.BorderStyle = settings.BorderStyle;
    return settings;
}

void WriteMainSettings(const SettingsLocation& place, const MainState& state,
                       const std::string& languageRead, int animationSpeed, bool animate,
                       bool crosshairs) {
    if (!place.Writable)
        return;
    Settings settings;
    settings.Language = languageRead;
    settings.LocationsFile = state.LocationsFile;
    settings.AnimationSpeed = animationSpeed;
    settings.Animate = animate;
    settings.Cross = crosshairs;
    settings.CrossColor = state.CrossColor;
    settings.BorderColor = state.BorderColor;
    settings.BorderStyle = state.BorderStyle;
    ProfileFile file(place.Path);
    WriteSettings(file, settings, state.MapCode == kTestMapCode);
}

std::string LoadLocations(MainState& state, const std::string& path) {
    LocationList list = LoadNames(path, state.MapBitmap.Width(), state.MapBitmap.Height());
    state.LanguageName = std::move(list.LanguageName);
    state.LocationNames = std::move(list.Names);
    state.LocationPoints = std::move(list.LocationPoints);
    state.LocationsFile = std::move(list.LocationsFile);
    return list.Caption;
}

MapPaintOptions PaintOptionsOf(const MainState& state, bool crosshairs) {
    MapPaintOptions options;
    options.CrossColor = state.CrossColor;
    options.Crosshairs = crosshairs;
    options.BorderColor = state.BorderColor;
    options.BorderStyle = state.BorderStyle;
    return options;
}

} // namespace orvd
