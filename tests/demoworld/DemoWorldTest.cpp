#include "DemoWorld.h"

#include "JpegWriter.h"
#include "PlaceNames.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "base/Error.h"
#include "base/FileSystem.h"
#include "mapdata/Languages.h"
#include "mapdata/LocationsFile.h"
#include "mapdata/MapPictures.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace orvd::demo {
namespace {

using orvd::testing::TempDir;

constexpr float kSmall = 0.25f; // the same world at a quarter of its size
constexpr float kTiny = 0.15f;

DemoOptions Scaled(float scale, std::uint64_t seed = 1) {
    DemoOptions options;
    options.Seed = seed;
    options.Scale = scale;
    return options;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// One tiny world shared by the tests that only read it.
const TempDir& TinyWorld() {
    static TempDir dir;
    static const bool made = (MakeDemoWorld(dir.Path(), Scaled(kTiny)), true);
    (void)made;
    return dir;
}

TEST(DemoWorld, SameSeedGivesTheSameFilesByteForByte) {
    const TempDir& first = TinyWorld();
    TempDir second;
    MakeDemoWorld(second.Path(), Scaled(kTiny));

    const std::vector<std::string> names = FilesIn(first.Path());
    EXPECT_EQ(names,
              (std::vector<std::string>{"BK.map", "BK_Engli.dat", "BK_Neder.dat", "BK_deuts.dat",
                                        "BK_small.map", "FM.map", "FM_Engli.dat", "FM_Neder.dat",
                                        "FM_deuts.dat", "FM_small.map", "NR.map", "NR_Engli.dat",
                                        "NR_Neder.dat", "NR_deuts.dat", "NR_small.map"}));
    EXPECT_EQ(FilesIn(second.Path()), names);
    for (const std::string& name : names) {
        const auto a = ReadWholeFile(first.File(name));
        const auto b = ReadWholeFile(second.File(name));
        ASSERT_TRUE(a && b) << name;
        EXPECT_TRUE(*a == *b) << name << " differs between two runs";
    }
    const MapPlan nr = DemoMaps(2).front();
    EXPECT_FALSE(MakeDemoMap(nr, Scaled(kTiny, 2)).Picture ==
                 MakeDemoMap(DemoMaps(1).front(), Scaled(kTiny)).Picture);

    // A run into a folder that holds an earlier run's files replaces them whole.
    orvd::testing::WriteFile(second.File("NR_Engli.dat"), "[DATA]\r\nOld=1,2\r\n[KEEP]\r\nx=1\r\n");
    MakeDemoWorld(second.Path(), Scaled(kTiny));
    EXPECT_EQ(*ReadWholeFile(second.File("NR_Engli.dat")),
              *ReadWholeFile(first.File("NR_Engli.dat")));
}

TEST(DemoWorld, LocationsFilesReadBackWhereTheTerrainHasThePlaces) {
    for (const MapPlan& plan : DemoMaps(1)) {
        SCOPED_TRACE(plan.Code);
        TempDir dir;
        const DemoMap map = MakeDemoMap(plan, Scaled(kSmall));
        WriteDemoMap(dir.Path(), map, 88);
        const int w = map.Picture.Width();
        const int h = map.Picture.Height();

        const LanguageMenu menu = LoadFileNames(dir.Path(), plan.Code);
        std::vector<std::string> captions;
        for (const LanguageItem& item : menu.Items)
            captions.push_back(item.DisplayName);
        EXPECT_EQ(captions, (std::vector<std::string>{"deutsch", "English", "Nederlands"}));

        const auto& languages = DemoLanguages();
        for (std::size_t l = 0; l < languages.size(); ++l) {
            const std::string path =
                dir.File(NewLocationsFileName(plan.Code, languages[l].DisplayName));
            const std::string bytes = ReadWholeFile(path).value_or("");
            for (std::size_t i = 0; i < bytes.size(); ++i)
                ASSERT_TRUE(bytes[i] != '\n' || (i > 0 && bytes[i - 1] == '\r')) << "bare LF";

            const LocationsFileContent content = ReadLocationsFile(path, w, h);
            EXPECT_EQ(content.LanguageName, languages[l].DisplayName);
            // Every name written is read back as itself, none lost to a clash or the key buffer.
            ASSERT_EQ(content.Names.size(), map.Places.size());
            EXPECT_GE(content.Names.size(), 40u);
            for (std::size_t n = 0; n < content.Names.size(); ++n) {
                const auto& written = map.Names[l];
                const auto found = std::find(written.begin(), written.end(), content.Names[n]);
                ASSERT_NE(found, written.end()) << content.Names[n];
                const Place& place = map.Places[std::size_t(found - written.begin())];
                const Point p = content.Points[n];
                EXPECT_EQ(p, place.Position) << content.Names[n];
                ASSERT_TRUE(p.x >= 0 && p.y >= 0 && p.x < w && p.y < h) << content.Names[n];
                const Ground ground = map.Land.At(p.x, p.y);
                if (OnLand(place.Kind))
                    EXPECT_EQ(ground, Ground::Land) << content.Names[n];
                else
                    EXPECT_EQ(ground, place.Kind == PlaceKind::Lake ? Ground::Lake : Ground::Sea)
                        << content.Names[n];
            }
        }
    }
}

TEST(DemoWorld, PicturesDecodeAtTheirSizes) {
    const TempDir& dir = TinyWorld();
    for (const MapPlan& plan : DemoMaps(1)) {
        SCOPED_TRACE(plan.Code);
        Image picture;
        bool failed = true;
        LoadMapImage(picture, dir.Path(), plan.Code, failed);
        EXPECT_FALSE(failed);
        EXPECT_EQ(picture.Width(), int(std::lround(float(plan.Width) * kTiny)));
        EXPECT_EQ(picture.Height(), int(std::lround(float(plan.Height) * kTiny)));
        Image overview;
        LoadOverviewImage(overview, dir.Path(), plan.Code);
        EXPECT_EQ(overview.Width(), 200);
        EXPECT_LE(overview.Height(), 178);
        // One scale for both axes, as the viewer assumes.
        EXPECT_NEAR(double(overview.Height()) / 200.0, double(plan.Height) / plan.Width, 0.004);
    }
}

TEST(DemoWorld, RealSizesOfTheSmallestMap) {
    const MapPlan bk = DemoMaps(1).back();
    ASSERT_EQ(bk.Code, "BK");
    TempDir dir;
    WriteDemoMap(dir.Path(), MakeDemoMap(bk, DemoOptions{}), 88);
    Image picture;
    bool failed = true;
    LoadMapImage(picture, dir.Path(), "BK", failed);
    EXPECT_EQ(picture.Width(), 2400);
    EXPECT_EQ(picture.Height(), 2000);
    Image overview;
    LoadOverviewImage(overview, dir.Path(), "BK");
    EXPECT_EQ(overview.Width(), 200);
    EXPECT_EQ(overview.Height(), 167);
}

TEST(DemoWorld, UnwritableTargetsGiveAClearErrorAndLeaveOtherFiles) {
    TempDir dir;
    const std::string blocker = dir.File("taken");
    orvd::testing::WriteFile(blocker, "a file, not a folder");
    try {
        MakeDemoWorld(blocker, Scaled(kTiny));
        FAIL() << "no error for a folder that is a file";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(blocker), std::string::npos) << e.what();
    }
    EXPECT_EQ(*ReadWholeFile(blocker), "a file, not a folder");

    // A folder in the place of NR.map: the picture cannot be written; nothing half-made stays.
    std::filesystem::create_directory(dir.File("NR.map"));
    orvd::testing::WriteFile(dir.File("NR_Engli.dat"), "[DATA]\r\nOld=1,2\r\n");
    const DemoMap nr = MakeDemoMap(DemoMaps(1).front(), Scaled(kTiny));
    try {
        WriteDemoMap(dir.Path(), nr, 88);
        FAIL() << "no error for an unwritable picture";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot write " + dir.File("NR.map")),
                  std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("NR.map.tmp")));
    EXPECT_EQ(*ReadWholeFile(dir.File("NR_Engli.dat")), "[DATA]\r\nOld=1,2\r\n");
}

} // namespace
} // namespace orvd::demo
