#include "view/LocationSearch.h"

#include <algorithm>

namespace orvd {

std::string SearchCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return result;
}

SearchResult FindLocations(std::string_view typed, const std::vector<std::string>& names,
                           const std::vector<Point>& points) {
    SearchResult result;
    const std::string query = SearchCase(typed);
    if (query.empty())
        return result;
    const std::size_t count = std::min(names.size(), points.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (SearchCase(names[i]).find(query) == std::string::npos)
            continue;
        result.Names.push_back(names[i]);
        result.FoundPoints.push_back(points[i]);
    }
    return result;
}

std::string FoundLabel(std::size_t count) {
    return std::to_string(count) + " found";
}

} // namespace orvd
