#include "mapdata/LocationList.h"

#include "TempDir.h"
#include "TestFiles.h"
#include "mapdata/SortLocations.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace orvd {
namespace {

using testing::WriteFile;

using testing::TempDir;

TEST(SortLocations, ByteWiseOrderWithPointsFollowing) {
    std::vector<std::string> names = {"Zebra",   "apple", "Ash Hill", "\xC9tang",
                                      "Ashford", "Ash",   "zz"};
    std::vector<Point> points = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}};
    SortLocations(names, points);
    EXPECT_EQ(names, (std::vector<std::string>{"Ash", "Ash Hill", "Ashford", "Zebra", "apple", "zz",
                                               "\xC9tang"}));
    EXPECT_EQ(points, (std::vector<Point>{{6, 6}, {3, 3}, {5, 5}, {1, 1}, {2, 2}, {7, 7}, {4, 4}}));
}

TEST(SortLocations, AgreesWithAnyByteWiseSortOnRandomLists) {
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        std::map<std::string, Point> expected; // unique names, byte-wise ordered
        std::vector<std::string> names;
        std::vector<Point> points;
        const int n = static_cast<int>(random() % 60);
        while (static_cast<int>(names.size()) < n) {
            std::string name(1 + random() % 4, ' ');
            for (char& c : name) {
                c = static_cast<char>("aAbB \x80\xE9\xFF"[random() % 8]);
            }
            const Point p{static_cast<std::int32_t>(names.size()), round};
            if (expected.emplace(name, p).second) {
                names.push_back(name);
                points.push_back(p);
            }
        }
        SortLocations(names, points);
        std::vector<std::pair<std::string, Point>> sorted(expected.begin(), expected.end());
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return ComesBeforeBytewise(a.first, b.first);
        });
        ASSERT_EQ(names.size(), sorted.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(names[i], sorted[i].first);
            EXPECT_EQ(points[i], sorted[i].second);
        }
    }
}

TEST(SortLocations, EqualNamesKeepTheirOrderAndShortListsAreSafe) {
    std::vector<std::string> names = {"b", "a", "a"};
    std::vector<Point> points = {{1, 0}, {2, 0}, {3, 0}};
    SortLocations(names, points);
    EXPECT_EQ(points, (std::vector<Point>{{2, 0}, {3, 0}, {1, 0}}));

    std::vector<std::string> empty;
    std::vector<Point> none;
    SortLocations(empty, none);
    std::vector<std::string> three = {"c", "b", "a"};
    std::vector<Point> one = {{9, 9}};
    SortLocations(three, one); // mismatched lengths sort only the common part
    EXPECT_EQ(three, (std::vector<std::string>{"c", "b", "a"}));
}

TEST(LoadNames, LoadsSortedClampedAndNamed) {
    TempDir dir;
    const std::string path = dir.File("NR_Engli.dat");
    WriteFile(path, "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nZebra=10,20\r\napple=30,40\r\n"
                    "Ash Hill=5000,-3\r\nAshford=1,1\r\nAsh=2,2\r\nASH=7,7\r\nEmpty=\r\n");
    const LocationList list = LoadNames(path, 800, 600);
    EXPECT_EQ(list.Names,
              (std::vector<std::string>{"ASH", "Ash Hill", "Ashford", "Zebra", "apple"}));
    EXPECT_EQ(list.LocationPoints,
              (std::vector<Point>{{2, 2}, {800, 0}, {1, 1}, {10, 20}, {30, 40}}));
    EXPECT_EQ(list.LanguageName, "English");
    EXPECT_EQ(list.Caption, "Orvandel Map - English");
    EXPECT_EQ(list.LocationsFile, "NR_Engli.dat");

    const LocationList onEmptyMap = LoadNames(path, 0, 0);
    EXPECT_EQ(onEmptyMap.Names.size(), 5u);
    for (const Point& p : onEmptyMap.LocationPoints) {
        EXPECT_EQ(p, (Point{0, 0}));
    }
}

TEST(LoadNames, MissingOrVanishedFileGivesEmptyListsAndTheFileName) {
    TempDir dir;
    const std::string path = dir.File("NR_Gone.dat");
    WriteFile(path, "[PROPERTIES]\r\nlanguage=Gone\r\n[DATA]\r\nA=1,1\r\n");
    std::filesystem::remove(path);
    const LocationList list = LoadNames(path, 100, 100);
    EXPECT_TRUE(list.Names.empty());
    EXPECT_TRUE(list.LocationPoints.empty());
    EXPECT_EQ(list.LanguageName, "");
    EXPECT_EQ(list.Caption, "Orvandel Map - ");
    EXPECT_EQ(list.LocationsFile, "NR_Gone.dat");

    // A folder where the file should be reads the same way.
    std::filesystem::create_directory(path);
    EXPECT_TRUE(LoadNames(path, 100, 100).Names.empty());
}

} // namespace
} // namespace orvd
