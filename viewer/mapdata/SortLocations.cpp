#include "mapdata/SortLocations.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace orvd {

bool ComesBeforeBytewise(const std::string& a, const std::string& b) {
    // memcmp compares as unsigned char, which is exactly the order wanted; std::string's own
    // comparison goes through char_traits<char> and may treat bytes above 127 as negative.
    const std::size_t common = std::min(a.size(), b.size());
    const int c = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (c != 0) {
        return c < 0;
    }
    return a.size() < b.size();
}

void SortLocations(std::vector<std::string>& names, std::vector<Point>& points) {
    const std::size_t n = std::min(names.size(), points.size());
    for (std::size_t i = 0; i < n; ++i) {
        // names[i] always holds the current minimum, so it stands for "current".
        for (std::size_t j = i + 1; j < n; ++j) {
            if (ComesBeforeBytewise(names[j], names[i])) {
                std::swap(names[i], names[j]);
                std::swap(points[i], points[j]);
            }
        }
    }
}

} // namespace orvd
