#include "view/LocationSearch.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(LocationSearch, SubstringsMatchWithOnlyAToZUpperCased) {
    // Windows-1252: \xC9 is a capital E acute, \xE9 its small letter.
    const std::vector<std::string> names{"Northgate", "Stonebridge", "Eastmarch", "\xC9glise",
                                         "\xE9"
                                         "cole"};
    const std::vector<Point> points{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    struct Case {
        const char* typed;
        std::vector<std::string> found;
        std::vector<Point> foundPoints;
    };
    const Case cases[] = {
        {"gat", {"Northgate"}, {{1, 1}}},
        {"GAT", {"Northgate"}, {{1, 1}}},
        {"Gat", {"Northgate"}, {{1, 1}}},
        {"e",
         {"Northgate", "Stonebridge", "Eastmarch", "\xC9glise",
          "\xE9"
          "cole"},
         {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}},
        {"\xC9", {"\xC9glise"}, {{4, 4}}},
        {"\xE9",
         {"\xE9"
          "cole"},
         {{5, 5}}},
        {"\xC9GLISE", {"\xC9glise"}, {{4, 4}}},
        {"\xE9glise", {}, {}},
        {"Northgate", {"Northgate"}, {{1, 1}}},
        {"", {}, {}},
        {"x", {}, {}},
    };
    for (const Case& c : cases) {
        const SearchResult r = FindLocations(c.typed, names, points);
        EXPECT_EQ(r.Names, c.found) << c.typed;
        EXPECT_EQ(r.FoundPoints, c.foundPoints) << c.typed;
    }
    EXPECT_EQ(SearchCase("az{`@[\xE0\xFF"), "AZ{`@[\xE0\xFF");
    EXPECT_EQ(FoundLabel(0), "0 found");
    EXPECT_EQ(FoundLabel(12), "12 found");
}

} // namespace
} // namespace orvd
