#include "base/Raster.h"
#include "mapdata/MapTable.h"
#include "mapdata/TestMap.h"

#include <gtest/gtest.h>
#include <set>

namespace orvd {
namespace {

MapChoice ChooseWith(std::string_view code, std::set<std::string> files,
                     std::vector<std::string>* asked = nullptr) {
    return ChooseMap(code, [&](const std::string& name) {
        if (asked)
            asked->push_back(name);
        return files.count(name) > 0;
    });
}

TEST(ChooseMap, WalksTheCycleFromTheCodeAskedFor) {
    EXPECT_EQ(ChooseWith("NR", {"NR.map", "FM.map", "BK.map"}).Code, "NR");
    std::vector<std::string> asked;
    const MapChoice onlyBk = ChooseWith("NR", {"BK.map"}, &asked);
    EXPECT_EQ(onlyBk.Code, "BK");
    EXPECT_TRUE(onlyBk.HasPicture);
    EXPECT_EQ(asked, (std::vector<std::string>{"NR.map", "FM.map", "BK.map"}));
    EXPECT_EQ(ChooseWith("BK", {"FM.map"}).Code, "FM"); // wraps from BK to NR to FM
}

TEST(ChooseMap, FruitlessSearchKeepsTheCodeAskedFor) {
    std::vector<std::string> asked;
    const MapChoice none = ChooseWith("FM", {"nr.map", "NR_small.map"}, &asked);
    EXPECT_EQ(none.Code, "FM");
    EXPECT_FALSE(none.HasPicture);
    EXPECT_EQ(asked.size(), 3u); // one turn, and codes are compared with their case
}

TEST(ChooseMap, UnknownCodesBecomeTheTestMapWithoutSearch) {
    for (const char* code : {"TEST", "nr", "XX", ""}) {
        std::vector<std::string> asked;
        const MapChoice choice = ChooseWith(code, {"NR.map"}, &asked);
        EXPECT_EQ(choice.Code, "TEST");
        EXPECT_FALSE(choice.HasPicture);
        EXPECT_TRUE(asked.empty());
    }
}

TEST(NextRandom, FollowsTheLinearCongruentialSequence) {
    RandomSeed = 0;
    EXPECT_EQ(NextRandom(100), 0u); // seed 1: 100 * 1 >> 32
    EXPECT_EQ(RandomSeed, 1u);
    EXPECT_EQ(NextRandom(0xFFFFFFFFu), 134775814u - 1u); // seed 134775814
    RandomSeed = 0xFFFFFFFFu;
    NextRandom(1);
    EXPECT_EQ(RandomSeed, 0xFFFFFFFFu * 134775813u + 1u);
}

TEST(MakeTestMap, IsTheSameOnEveryRunWithTheKnownFirstShapes) {
    Image map;
    MakeTestMap(map);
    EXPECT_EQ(map.Width(), 1344);
    EXPECT_EQ(map.Height(), 1195);
    EXPECT_EQ(RandomSeed, 2886040579u);

    // First shape: circle at (721, 1061), radius 129, outline (180, 50, 209), fill (168, 42, 36).
    EXPECT_EQ(map.At(721, 1061), MakePixel(168, 42, 36));
    EXPECT_EQ(map.At(721 - 129, 1061), MakePixel(180, 50, 209)); // leftmost outline pixel
    EXPECT_EQ(map.At(721 - 130, 1061), kWhitePixel);
    // Third shape: the square (459, 228)-(807, 576), right and bottom exclusive.
    EXPECT_EQ(map.At(459, 228), MakePixel(246, 61, 30));
    EXPECT_EQ(map.At(806, 575), MakePixel(246, 61, 30));

    Image again;
    MakeTestMap(again);
    EXPECT_TRUE(map == again);
}

TEST(MakeTestMap, DrawsSquaresThirdNineteenthAndTwentieth) {
    RandomSeed = 44;
    std::vector<int> squares;
    for (int shape = 1; shape <= 20; ++shape) {
        const bool rectangle = NextRandom(20) > 14;
        NextRandom(1344);
        NextRandom(1195);
        NextRandom(100);
        if (rectangle) {
            NextRandom(100);
            squares.push_back(shape);
        }
        NextRandom(16777216);
        NextRandom(16777216);
    }
    EXPECT_EQ(squares, (std::vector<int>{3, 19, 20}));
    EXPECT_EQ(RandomSeed, 2886040579u);
}

} // namespace
} // namespace orvd
