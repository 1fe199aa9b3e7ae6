#pragma once

#include "base/BusyIndicator.h"
#include "base/Image.h"

#include <string>
#include <string_view>

namespace orvd {

// Decodes the main picture programDir + code + ".map" into `image` under the hourglass.
// `failed` tells whether `image` is left empty. A missing file, unreadable or undecodable data
// sets `failed` and then throws orvd::Error (the caller decides whether to swallow it).
void LoadMapImage(Image& image, const std::string& programDir, std::string_view code, bool& failed,
                  BusyIndicator* busy = nullptr);

// Decodes the overview picture programDir + code + "_small.map". On any failure it throws
// orvd::Error and `image` keeps what it held.
void LoadOverviewImage(Image& image, const std::string& programDir, std::string_view code);

} // namespace orvd
