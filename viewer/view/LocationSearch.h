#pragma once

#include "base/Rect.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvd {

// The names found by a search, in the location list's order, with their points beside them.
struct SearchResult {
    std::vector<std::string> Names;
    std::vector<Point> FoundPoints; // parallel to Names
};

// Only a-z become A-Z; every other byte, accented letters included, stays.
std::string SearchCase(std::string_view text);

// Every location whose name contains the typed text, compared in SearchCase. An empty text
// finds nothing. `points` is parallel to `names`.
SearchResult FindLocations(std::string_view typed, const std::vector<std::string>& names,
                           const std::vector<Point>& points);

// The search label: the count followed by " found".
std::string FoundLabel(std::size_t count);

} // namespace orvd
