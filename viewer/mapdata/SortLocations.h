#pragma once

#include "base/Rect.h"

#include <string>
#include <vector>

namespace orvd {

// Sorts `names` into ascending byte-wise order (bytes compared as unsigned 0..255, a prefix
// before the longer text, case counts, no locale) and applies every exchange to `points`, so each
// point stays with its name. Both lists are reordered in place. Equal names are never exchanged
// with each other. Quadratic in the number of names; the locations file caps them at a few
// thousand. If the lists differ in length, only the common length is sorted and the tail of the
// longer list is left where it is.
void SortLocations(std::vector<std::string>& names, std::vector<Point>& points);

// True when `a` comes strictly before `b` in byte-wise order.
bool ComesBeforeBytewise(const std::string& a, const std::string& b);

} // namespace orvd
