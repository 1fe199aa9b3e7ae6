#pragma once

#include "base/Rect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

class ProfileStorage;

// What the main window shows of one locations file.
struct LocationList {
    std::vector<std::string> Names;    // the items of the location list, byte-wise order, each once
    std::vector<Point> LocationPoints; // parallel to Names
    std::string LanguageName;          // empty when the file gives none
    std::string LocationsFile;         // the loaded path's bare file name
    std::string Caption;               // the window caption, "Orvandel Map - " + LanguageName
};

// The window caption for a language display name.
std::string CaptionFor(std::string_view languageName);

// Loads the locations file at `path`, with every point clamped into 0..mapWidth and
// 0..mapHeight (the size of the main map image as loaded now), names sorted by SortLocations.
// Never throws for the file's content or absence: a missing or unreadable file gives empty
// lists and an empty language name, with LocationsFile still set from the path. A file above
// the profile layer's size cap throws orvd::Error naming it; nothing is returned then.
// `storage` defaults to ProfileStorage::Default() and must outlive the call.
LocationList LoadNames(const std::string& path, std::int32_t mapWidth, std::int32_t mapHeight,
                       ProfileStorage* storage = nullptr);

} // namespace orvd
