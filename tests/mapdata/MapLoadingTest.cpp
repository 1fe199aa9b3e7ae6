#include "mapdata/MapLoading.h"

#include "JpegWriter.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "mapdata/TestMap.h"

#include <gtest/gtest.h>
#include <map>

namespace orvd {
namespace {

using testing::EncodeJpeg;
using testing::PatternImage;
using testing::TempDir;
using testing::WriteFile;

TEST(LoadMap, DecodesSwallowsAndFallsBackAsChangeMapDoes) {
    const std::string main = EncodeJpeg(PatternImage(64, 48));
    const std::string small = EncodeJpeg(PatternImage(16, 12));
    struct Case {
        const char* what;
        std::map<std::string, std::string> files;
        const char* asked;
        const char* code;
        std::optional<bool> overviewWorks;
        bool listLanguages;
        int mapWidth;      // 0: empty, -1: the generated test map
        int overviewWidth; // 1: left as it was
    };
    // clang-format off
    const Case cases[] = {
        {"both pictures", {{"NR.map", main}, {"NR_small.map", small}}, "NR", "NR", true, true, 64, 16},
        {"names in another case", {{"nr.MAP", main}, {"Nr_Small.map", small}}, "NR", "NR", true, true, 64, 16},
        {"the next map of the cycle", {{"BK.map", main}, {"BK_small.map", small}}, "FM", "BK", true, true, 64, 16},
        {"no overview", {{"NR.map", main}}, "NR", "NR", false, true, 64, 1},
        {"a broken overview", {{"NR.map", main}, {"NR_small.map", "junk"}}, "NR", "NR", false, true, 64, 1},
        {"a broken main picture", {{"NR.map", "junk"}, {"NR_small.map", small}}, "NR", "NR", std::nullopt, false, 0, 1},
        {"no picture", {}, "NR", "NR", false, false, -1, 1},
        {"no map code", {{"NR.map", main}}, "nr", "TEST", false, false, -1, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        TempDir dir;
        for (const auto& [name, bytes] : c.files)
            WriteFile(dir.File(name), bytes);
        Image map(3, 3);
        Image overview(1, 1);
        const LoadedMap loaded = LoadMap(c.asked, dir.Path(), map, overview);
        EXPECT_EQ(loaded.Code, c.code) << c.what;
        EXPECT_EQ(loaded.OverviewWorks, c.overviewWorks) << c.what;
        EXPECT_EQ(loaded.ListLanguages, c.listLanguages) << c.what;
        EXPECT_EQ(map.Width(), c.mapWidth < 0 ? kTestMapWidth : c.mapWidth) << c.what;
        EXPECT_EQ(overview.Width(), c.overviewWidth) << c.what;
    }
}

} // namespace
} // namespace orvd
