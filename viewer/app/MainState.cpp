#include "app/MainState.h"

#include "app/Settings.h"

namespace orvd {

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

void TakeSettings(MainState& state, const Settings& settings) {
    state.LocationsFile = settings.LocationsFile;
    state.CrossColor = settings.CrossColor;
    state.BorderColor = settings.BorderColor;
    state.BorderStyle = settings.BorderStyle;
}

Settings SettingsToWrite(const MainState& state, const std::string& languageRead,
                         int animationSpeed, bool animate, bool crosshairs) {
    Settings settings;
    settings.Language = languageRead;
    settings.LocationsFile = state.LocationsFile;
    settings.AnimationSpeed = animationSpeed;
    settings.Animate = animate;
    settings.Cross = crosshairs;
    settings.CrossColor = state.CrossColor;
    settings.BorderColor = state.BorderColor;
    settings.BorderStyle = state.BorderStyle;
    return settings;
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
