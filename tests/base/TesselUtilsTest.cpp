#include "base/TesselUtils.h"

#include <gtest/gtest.h>
#include <string>

namespace orvd {
namespace {

TEST(IntegerText, DecimalWithLeadingSpacesAndSign) {
    EXPECT_EQ(ParseIntegerText("0"), 0);
    EXPECT_EQ(ParseIntegerText("   1200"), 1200);
    EXPECT_EQ(ParseIntegerText("+17"), 17);
    EXPECT_EQ(ParseIntegerText("-5"), -5);
    EXPECT_EQ(ParseIntegerText("000000000000042"), 42);
    EXPECT_EQ(ParseIntegerText("2147483647"), 2147483647);
    EXPECT_EQ(ParseIntegerText("-2147483647"), -2147483647);
}

TEST(IntegerText, DecimalOutOfRangeIsRefused) {
    EXPECT_FALSE(IsIntegerText("2147483648"));
    EXPECT_FALSE(IsIntegerText("-2147483648"));
    EXPECT_FALSE(IsIntegerText("99999999999999999999999"));
}

TEST(IntegerText, HexIsASigned32BitPattern) {
    EXPECT_EQ(ParseIntegerText("$1f"), 31);
    EXPECT_EQ(ParseIntegerText("  $4B0"), 1200);
    EXPECT_EQ(ParseIntegerText("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIntegerText("$80000000"), std::int32_t(-2147483647 - 1));
    EXPECT_EQ(ParseIntegerText("$0000000000ff"), 255);
    EXPECT_FALSE(IsIntegerText("$100000000"));
}

TEST(IntegerText, RefusesEverythingElse) {
    for (const char* text :
         {"",    " ",     "   ", "+",   "-",   "$",  "+$10", "-$10", "$-1", "0x1F", "12abc",
          "12 ", "1200 ", "\t5", "5\t", "1 2", "$G", "--1",  "+-1",  "1e3", "１",   "$ 1"}) {
        EXPECT_FALSE(IsIntegerText(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(IsIntegerText(std::string("12\0", 3)));
}

} // namespace
} // namespace orvd
