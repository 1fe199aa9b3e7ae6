#pragma once

#include "base/BorderPattern.h"
#include "base/ColorValue.h"
#include "base/Image.h"
#include "base/Rect.h"
#include "view/Geometry.h"
#include "view/MapAnimation.h"
#include "view/MapPainter.h"

#include <string>
#include <vector>

namespace orvd {

// The main window's state record, owned by TForm1. Widget states (the slider, the check
// boxes, the lists' items) live in the widgets; everything else the window knows is here.
struct MainState {
    Image MapBitmap;      // the main map: a decoded picture or the test map
    Image SmallMapBitmap; // the overview picture; empty until one is loaded
    // ViewBuffer, OverviewBuffer, ViewRect, SourceRect, MarkerRect and the view position,
    // limits, centre and overview scale.
    ViewGeometry View;
    std::vector<std::string> LanguageFiles; // bare names of the map's locations files
    ColorValue CrossColor = 0;
    std::int32_t PressX = 0;
    std::int32_t PressY = 0;
    bool PickMode = false;                  // the editor's X or Y field has the focus
    std::vector<std::string> LocationNames; // the location list's items
    std::vector<Point> LocationPoints;      // parallel to LocationNames
    std::vector<Point> FoundPoints;         // parallel to the search results
    MapAnimation Animation; // TargetLeft, TargetTop, StepX, StepY and the timer's state
    std::string LanguageName;
    std::string LocationsFile; // "_" + tag + ".dat" from the settings, later a bare file name
    std::string MapCode;
    ColorValue BorderColor = 0;
    BorderPattern BorderStyle = BorderPattern::Solid;
};

struct Settings;
struct SettingsLocation;

// The map the program starts on: the first one, or the test map when the first command-line
// argument is "testing".
std::string StartMapCode(const std::string& firstArgument);

// Releases the images and lists the window owns (MapBitmap, SmallMapBitmap, both buffers, then
// LanguageFiles, the location list with its points and FoundPoints): what the creation handler
// starts from and what the destruction handler leaves.
void ReleaseImagesAndLists(MainState& state);

// Reads the settings file at `path`: the values that live in the state record are taken, and
// all of them are returned, for the window to set its slider and check boxes from. A colour
// text that does not convert keeps its default and is named in `errors`.
Settings ReadMainSettings(const std::string& path, MainState& state,
                          std::vector<std::string>& errors);
// Writes the settings at the end, where their place can be written: the record's values with
// the window's slider position, its two check boxes and the "Language" value that was read.
void WriteMainSettings(const SettingsLocation& place, const MainState& state,
                       const std::string& languageRead, int animationSpeed, bool animate,
                       bool crosshairs);

// Loads the locations file at `path` into the record (language, names, points, file name) and
// returns the window's caption. A file that cannot be loaded changes nothing.
std::string LoadLocations(MainState& state, const std::string& path);

// The display options ShowMap paints with; `crosshairs` is the "Crosshairs" check box.
MapPaintOptions PaintOptionsOf(const MainState& state, bool crosshairs);

} // namespace orvd
