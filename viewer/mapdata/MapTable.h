#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace orvd {

// The three maps, in the order of the cycle that the start-up search walks.
struct MapEntry {
    const char* Code;
    const char* Name; // caption of the map's entry in the (hidden) map submenu
};

inline constexpr int MapCount = 3;
inline constexpr std::array<MapEntry, MapCount> kMaps{{
    {"NR", "Norrowen"},
    {"FM", "Fallowmere"},
    {"BK", "Brackenmoor"},
}};
inline constexpr const char* kTestMapCode = "TEST";

// True for "NR", "FM" and "BK", compared exactly, case included.
bool IsMapCode(std::string_view code);
// The code after `code` in the cycle NR, FM, BK, NR...; `code` must be a map code.
std::string NextMapCode(std::string_view code);

// Main picture and overview picture file names of a map code.
std::string MainPictureName(std::string_view code);     // code + ".map"
std::string OverviewPictureName(std::string_view code); // code + "_small.map"

// The result of the start-up search through the cycle.
struct MapChoice {
    std::string Code;        // the map to show; after a fruitless search, the code asked for
    bool HasPicture = false; // false: the generated test map is shown
};

// Picks the map to show for `code`: a code that is not a map code becomes "TEST" (no search);
// otherwise the first code from `code` on whose main picture exists, one turn of the cycle at
// most. `exists` is asked with the picture's file name (without folder).
MapChoice ChooseMap(std::string_view code, const std::function<bool(const std::string&)>& exists);

} // namespace orvd
