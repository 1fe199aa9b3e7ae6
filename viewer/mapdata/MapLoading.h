#pragma once

#include "base/BusyIndicator.h"
#include "base/Image.h"

#include <optional>
#include <string>

namespace orvd {

// What loading a map leaves for the main window to show.
struct LoadedMap {
    std::string Code; // the map shown, "TEST" for the generated test map
    // Whether the overview takes pointer input: true when both pictures decoded, false when the
    // overview did not or the test map is shown; nothing when the main picture did not decode,
    // and the overview then stays as it was.
    std::optional<bool> OverviewWorks;
    // The main picture decoded, so the map's languages are listed.
    bool ListLanguages = false;
};

// ChangeMap's loading policy: picks the map for `code` (ChooseMap, looking for the pictures in
// `programDir` ignoring case), then generates the test map into `map` when there is no picture,
// or decodes the main picture into `map` and the overview into `overview`. Decoding errors are
// swallowed: a main picture that does not decode leaves `map` empty, an overview that does not
// decode leaves `overview` as it was.
LoadedMap LoadMap(const std::string& code, const std::string& programDir, Image& map,
                  Image& overview, BusyIndicator* busy = nullptr);

} // namespace orvd
