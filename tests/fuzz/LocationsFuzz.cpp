// A locations file of arbitrary bytes loads into parallel lists with every point on the map and
// the names in byte-wise order, each once and with its own point; saving the list and loading
// the file again gives the same list, or the save is refused and the file is left as it was.
#include "Check.h"
#include "StorageFakes.h"
#include "base/Error.h"
#include "base/TextCase.h"
#include "mapdata/LocationList.h"
#include "mapdata/LocationsFile.h"
#include "mapdata/SortLocations.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <string>

namespace {

using namespace orvd;

const std::string kPath = "/fuzz/NR_Fuzz.dat";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // Up to 9999, so a saved y reads back whole from its four characters.
    const std::int32_t width = in.ConsumeIntegralInRange<std::int32_t>(-2, 9999);
    const std::int32_t height = in.ConsumeIntegralInRange<std::int32_t>(-2, 9999);
    fuzz::MemoryStorage storage;
    storage.content = in.ConsumeRemainingBytesAsString();

    const LocationsFileContent read = ReadLocationsFile(kPath, width, height, &storage);
    FUZZ_CHECK(read.Names.size() == read.Points.size());
    std::map<std::string, Point> pointOf;
    for (std::size_t i = 0; i < read.Names.size(); ++i) {
        const std::string& name = read.Names[i];
        FUZZ_CHECK(!name.empty() && name.find_first_of(std::string("=\0", 2)) == std::string::npos);
        const Point p = read.Points[i];
        FUZZ_CHECK(p.x >= 0 && p.x <= std::max(width, 0) && p.y >= 0 && p.y <= std::max(height, 0));
        FUZZ_CHECK(pointOf.emplace(FoldedText(name), p).second); // once, ignoring case
    }

    const LocationList list = LoadNames(kPath, width, height, &storage);
    FUZZ_CHECK(list.LocationsFile == "NR_Fuzz.dat");
    FUZZ_CHECK(list.Caption == "Orvandel Map - " + read.LanguageName);
    FUZZ_CHECK(list.Names.size() == read.Names.size());
    FUZZ_CHECK(list.LocationPoints.size() == list.Names.size());
    for (std::size_t i = 0; i < list.Names.size(); ++i) {
        if (i > 0)
            FUZZ_CHECK(ComesBeforeBytewise(list.Names[i - 1], list.Names[i]));
        const auto found = pointOf.find(FoldedText(list.Names[i]));
        FUZZ_CHECK(found != pointOf.end() && found->second == list.LocationPoints[i]);
    }

    const std::string before = storage.content;
    try {
        WriteLocationsFile(kPath, list.LanguageName, list.Names, list.LocationPoints, &storage);
    } catch (const Error&) {
        FUZZ_CHECK(storage.content == before); // refused before anything is written
        return 0;
    }
    const LocationList again = LoadNames(kPath, width, height, &storage);
    FUZZ_CHECK(again.LanguageName == list.LanguageName);
    FUZZ_CHECK(again.Names == list.Names);
    FUZZ_CHECK(again.LocationPoints == list.LocationPoints);
    return 0;
}
