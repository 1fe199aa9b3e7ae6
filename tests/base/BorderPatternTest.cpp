#include "base/BorderPattern.h"

#include <gtest/gtest.h>

namespace orvd {
namespace {

TEST(BorderStyleCode, MapsCodesToPatternsAndBack) {
    const BorderPattern byCode[] = {BorderPattern::Solid,        BorderPattern::Horizontal,
                                    BorderPattern::Vertical,     BorderPattern::Cross,
                                    BorderPattern::UpDiagonal,   BorderPattern::DownDiagonal,
                                    BorderPattern::DiagonalCross};
    for (int code = 0; code <= 6; ++code) {
        EXPECT_EQ(PatternFromCode(code), byCode[code]) << code;
        EXPECT_EQ(CodeFromPattern(byCode[code]), code);
    }
}

TEST(BorderStyleCode, OutOfRangeCodesGiveDiagonalCross) {
    for (int code : {9, -1, 7, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(PatternFromCode(code), BorderPattern::DiagonalCross) << code;
        EXPECT_EQ(CodeFromPattern(PatternFromCode(code)), 6);
    }
}

} // namespace
} // namespace orvd
