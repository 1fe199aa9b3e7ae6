#pragma once

#include "base/Rect.h"

#include <string>
#include <vector>

namespace orvd {

// What the location editor may ask of the main window, and all of it; the main window
// implements it. Texts are 8-bit (Windows-1252) bytes.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Moves the main view at once, never animated, so that `map` lies under the crosshair.
    virtual void CentreMapOn(Point map) = 0;
    // Sets the main window's PickMode; the main view's pointer is the cross while it is set
    // and the default arrow otherwise.
    virtual void SetPickMode(bool on) = 0;

    virtual std::string MapCode() const = 0;
    // With a trailing separator.
    virtual std::string ProgramDirectory() const = 0;
    // The bare file name of the shown locations file.
    virtual std::string LocationsFile() const = 0;
    // The shown location list: the names in the list's order, their points (same count and
    // order) and the language display name.
    virtual std::vector<std::string> LocationNames() const = 0;
    virtual std::vector<Point> LocationPoints() const = 0;
    virtual std::string LanguageName() const = 0;

    // Reloads the main window's list from `path`.
    virtual void LoadNames(const std::string& path) = 0;
    // Rebuilds the language submenu for map `code`.
    virtual void LoadFileNames(const std::string& code) = 0;
    // The editor has closed: File > Edit... and File > New... are enabled again.
    virtual void EditorClosed() = 0;
};

} // namespace orvd
